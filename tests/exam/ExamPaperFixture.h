#pragma once

#include "exam/paper/ExamClass.h"
#include "page/PageView.h"
#include "store/Sql.h"
#include "store/StoreError.h"
#include "support/TestBank.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

namespace velkora::test {

// A bank with a paper in `sj` written row by row, and the page controls a
// learner would leave on each entry.
class ExamPaperFixture : public ::testing::Test {
protected:
    ExamPaperFixture() {
        bank.addStandardTypes();
        chapter = bank.addChapterPath();
    }

    // A choice entry ("a1", "a2" or "a3") on a question with options A..E.
    qint64 addChoiceEntry(const QString &tid, const QString &lx, const QString &answer,
                          const QVariant &given = QString()) {
        const qint64 group =
            bank.writer().addGroup(chapter, lx == QLatin1String("a1") ? SingleA1 : MultiX);
        const qint64 question = bank.addChoice(group, QStringLiteral("题") + tid, answer);
        sql::run(bank.db(),
                 QStringLiteral("INSERT INTO sj (tid, lx, tg, tgid, da, tjda) "
                                "VALUES (?, ?, ?, ?, ?, ?)"),
                 {tid, lx, QStringLiteral("题") + tid, QString::number(question), answer, given});
        return question;
    }

    // A matching entry whose items have these correct answers; returns the item ids.
    QList<qint64> addMatchingEntry(const QString &tid, const QStringList &answers) {
        const qint64 group =
            bank.writer().addGroup(chapter, SharedOptions, QStringLiteral("配伍组") + tid, 5);
        QList<qint64> items;
        for (const QString &answer : answers) {
            items << bank.writer().addQuestion(group, QStringLiteral("小题"), answer);
            sql::run(bank.db(), QStringLiteral("UPDATE question SET lx = 'a4' WHERE id = ?"),
                     {items.last()});
        }
        sql::run(bank.db(),
                 QStringLiteral("INSERT INTO sj (tid, lx, alt, tgid, da, xx, tjda) "
                                "VALUES (?, 'a4', ?, ?, '', '5', '')"),
                 {tid, QStringLiteral("配伍组") + tid, QString::number(group)});
        return items;
    }

    // The option controls of a question as the page shows them, `checked` ticked.
    QList<ControlState> optionControls(qint64 question, const QString &checked = {},
                                       const QString &type = QStringLiteral("checkbox")) const {
        QSqlQuery q = sql::run(bank.db(),
                               QStringLiteral("SELECT id, code FROM opinion WHERE questionid = ? "
                                              "ORDER BY rowid"),
                               {question});
        QList<ControlState> controls;
        while (q.next()) {
            const QString letter = q.value(1).toString();
            controls.append({q.value(0).toString(), QString::number(question), type,
                             !letter.isEmpty() && checked.contains(letter), letter});
        }
        return controls;
    }

    // The drop-downs of a matching group, one value per item ("daan" for none).
    static QList<ControlState> dropDowns(const QList<qint64> &items, const QStringList &values) {
        QList<ControlState> controls;
        for (int i = 0; i < items.size(); ++i) {
            controls.append({QString::number(items[i]), QStringLiteral("cars"),
                             QStringLiteral("select-one"), false, values[i]});
        }
        return controls;
    }

    QString given(const QString &tid) const {
        QSqlQuery q =
            sql::run(bank.db(), QStringLiteral("SELECT tjda FROM sj WHERE tid = ?"), {tid});
        return q.next() ? q.value(0).toString() : QStringLiteral("<no row>");
    }

    QString itemChoice(qint64 item) const {
        QSqlQuery q =
            sql::run(bank.db(), QStringLiteral("SELECT lx FROM question WHERE id = ?"), {item});
        return q.next() ? q.value(0).toString() : QStringLiteral("<no row>");
    }

    PaperRow row(const QString &tid) const {
        PaperRow row;
        row.tid = tid;
        QSqlQuery q = sql::run(bank.db(), QStringLiteral("SELECT lx FROM sj WHERE tid = ?"), {tid});
        row.lx = q.next() ? q.value(0).toString() : QString();
        return row;
    }

    TestBank bank;
    qint64 chapter = 0;
};

} // namespace velkora::test
