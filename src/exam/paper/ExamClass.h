#pragma once

#include "store/ExamKinds.h"

#include <QList>
#include <QString>

namespace velkora {

// The exam's side of the kinds of entry: the question types each is drawn
// from, its headings and notices, and the rows of the paper.

// The question types (qtype.id) whose groups make up each kind.
inline QList<int> examTypeIds(ExamClass kind) {
    switch (kind) {
    case ExamClass::Single:
        return {3, 4, 5};
    case ExamClass::Multiple:
        return {6, 7, 8, 9};
    case ExamClass::Case:
        return {10};
    case ExamClass::Matching:
        return {11};
    }
    return {};
}

// Heading of the kind's block on the answer sheet.
inline QString sheetHeading(ExamClass kind) {
    static const QString headings[] = {QStringLiteral("单项选择题:"), QStringLiteral("多项选择题:"),
                                       QStringLiteral("阅读案例分析题:"),
                                       QStringLiteral("配伍选择题:")};
    return headings[static_cast<int>(kind)];
}

// Notice shown (titled "提示") for the kind of the paper's first entry.
inline QString firstEntryNotice(ExamClass kind) {
    static const QString notices[] = {
        QStringLiteral("单选题：每个题有一个正确答案，请选择一个正确答案"),
        QStringLiteral("多选题：每个题有多个正确答案，请选择正确答案"),
        QStringLiteral("案例分析题：请选择正确答案"), QStringLiteral("配伍选择题：请选择正确答案")};
    return notices[static_cast<int>(kind)];
}

// Notice shown when a move enters a kind none of whose entries is answered.
inline QString enteringNotice(ExamClass kind) {
    static const QString notices[] = {QStringLiteral("单项选择题,请选择一个正确的答案"),
                                      QStringLiteral("多项选择题，里边有多个正确答案"),
                                      QStringLiteral("阅读案例分析题，请选择正确答案"),
                                      QStringLiteral("配伍选择题，请选择正确答案")};
    return notices[static_cast<int>(kind)];
}

// One row of the paper table `sj`, as drawn. `tid` is the entry's number
// as shown ("7", or "21.2" for the second question of case 21); it is also
// the entry's key, compared as text, so 21.1 and 21.10 differ.
struct PaperRow {
    QString tid;
    QString lx;
    QString stem;        // tg
    QString sourceId;    // tgid: question id, or the group id of a matching entry
    QString answer;      // da
    QString picture;     // tp
    QString groupText;   // alt
    QString optionCount; // xx
    QString given;       // tjda; a NULL reads as empty
};

// Name of an entry's answer-sheet button: "a7", or "a21f2" for case 21, item 2.
inline QString sheetButtonName(const QString &tid) {
    QString name = QStringLiteral("a") + tid;
    name.replace(QLatin1Char('.'), QLatin1Char('f'));
    return name;
}

} // namespace velkora
