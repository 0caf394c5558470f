#pragma once

#include "booklet/BookletContent.h"
#include "booklet/BookletRequest.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace velkora {

// What the title of a booklet names.
struct BookletTitle {
    QString subject; // the bank's subject; empty when the bank names none
    QString view;    // "收藏试题", "错题题库", ...
    QDate date;
};

// Writes a booklet as one print-ready HTML document: the title, the chapters
// with their questions numbered 1..n, and the answers with explanations
// either after each question or together at the end. The bank's texts go in
// as the chapter pages show them, markup included; the program's own texts
// (subject, view, chapter paths) are escaped. Pictures are asked for
// relative to `pictureBase`, the folder the chapter pages load them from.
class BookletComposer {
public:
    BookletComposer(BookletTitle title, AnswerPlacement placement, QUrl pictureBase);

    QString compose(const BookletContent &content);

private:
    void addTitle(int questionCount);
    void addChapter(const BookletChapter &chapter);
    void addGroup(const GroupContent &group);
    void addQuestion(const GroupContent &group, const GroupContent::Item &item);
    QString answerText(int number, const QuestionRow &question) const;

    BookletTitle m_title;
    AnswerPlacement m_placement;
    QUrl m_pictureBase;
    QString m_html;
    QString m_leadIn; // headings waiting for the question they lead to
    QStringList m_answersAtEnd;
    int m_number = 0;
};

} // namespace velkora
