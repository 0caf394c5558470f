#pragma once

#include "exam/paper/RandomSource.h"
#include "store/Sql.h"
#include "support/TestBank.h"

#include <QList>
#include <QStringList>
#include <gtest/gtest.h>

namespace velkora::test {

// Hands out the offsets a test scripts, then `fallback`; counts the draws.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(QList<int> script = {}, int fallback = 0)
        : m_script(std::move(script)), m_fallback(fallback) {}

    int below(int n) override {
        ++draws;
        const int value = m_script.isEmpty() ? m_fallback : m_script.takeFirst();
        EXPECT_LT(value, n);
        return qMin(value, n - 1);
    }

    int draws = 0;

private:
    QList<int> m_script;
    int m_fallback;
};

// A bank for exam tests: the nine types and one chapter to hang groups on.
class ExamBank : public TestBank {
public:
    ExamBank() {
        exec(QStringLiteral("PRAGMA synchronous=OFF")); // a test bank need not survive a crash
        addStandardTypes();
        m_chapter = addChapterPath();
    }

    void setCounts(const QList<int> &counts) { writer().setExamSettings(counts, counts.value(0)); }

    // `count` questions of one type in one group each; returns their ids.
    QList<int> addQuestions(int typeId, int count,
                            const QString &stemPrefix = QStringLiteral("题")) {
        QList<int> ids;
        const int group = writer().addGroup(m_chapter, typeId);
        for (int i = 1; i <= count; ++i)
            ids << addChoice(group, stemPrefix + QString::number(i), QStringLiteral("A"));
        return ids;
    }
    // A case group with `items` questions numbered 1 .. items.
    int addCase(int items, const QString &text = QStringLiteral("病例")) {
        const int group = writer().addGroup(m_chapter, Case, text);
        for (int i = 1; i <= items; ++i)
            addChoice(group, QStringLiteral("问%1").arg(i), QStringLiteral("AB"));
        return group;
    }
    // A matching group with `optionCount` shared options and `items` items.
    int addMatching(int items, int optionCount = 5, const QString &text = QStringLiteral("备选")) {
        const int group = writer().addGroup(m_chapter, SharedOptions, text, optionCount);
        for (int i = 1; i <= items; ++i)
            writer().addQuestion(group, QStringLiteral("项%1").arg(i),
                                 QString(QChar(char16_t(u'A' + i % 5))));
        return group;
    }

    QStringList column(const QString &query) const {
        QStringList values;
        QSqlQuery q = sql::run(db(), query);
        while (q.next())
            values << q.value(0).toString();
        return values;
    }

private:
    int m_chapter = 0;
};

} // namespace velkora::test
