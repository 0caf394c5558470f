#pragma once

#include "store/Records.h"

#include <QString>
#include <functional>

namespace velkora {
// Maps a picture name as stored in the bank to the name the page asks for.
using PictureLocator = std::function<QString(const QString &stored)>;
} // namespace velkora

// The markup pieces every question page is made of. Ids, names and values in
// them are what grading, the page toolbar and the in-page commands find the
// controls by, so the texts are exact. Stored texts go in unescaped: stems,
// options and explanations may carry markup of their own.
namespace velkora::fragments {

QString heading(const QString &typeTitle);                                          // H
QString groupText(int number, const QString &content);                              // G
QString picture(const QString &file, bool closingBreak = true);                     // P
QString stem(RowId questionId, int number, const QString &content);                 // S7
QString caseStem(RowId questionId, int groupNo, int index, const QString &content); // S8
QString letterOptions(int optionCount);
// Drop-down list L; without `content` the trailing stem span is left out.
QString optionList(RowId questionId, int optionCount, const QString &content,
                   bool withStemSpan = true);
QString sharedOptionStem(int number, int index, const QString &list);      // S9
QString radioOption(const OptionRow &option, bool closingBreak = true);    // R
QString checkboxOption(const OptionRow &option, bool closingBreak = true); // C
QString answerBlock(const QuestionRow &question);                          // A
QString visibleAnswer(const QuestionRow &question);                        // V

inline const QString doubleBreak = QStringLiteral("<br><br>");
inline const QString lineBreak = QStringLiteral("<br>");
inline const QString rule = QStringLiteral("<hr>");
inline const QString space = QStringLiteral("&nbsp");

} // namespace velkora::fragments
