#include "support/TestBank.h"

#include "store/BankFile.h"

#include "store/Schema.h"
#include "store/Sql.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <gtest/gtest.h>

namespace velkora::test {

QString typeTitle(int typeId) {
    switch (typeId) {
    case SingleA1:
        return QStringLiteral("A1型题");
    case SingleA2:
        return QStringLiteral("A2型题");
    case SingleB:
        return QStringLiteral("B型题配伍选择题");
    case MultiX:
        return QStringLiteral("X型题");
    case MultiA3A4:
        return QStringLiteral(
            "A3/"
            "A4型题：每个案例至少有3个提问，每个提问有4-12个备选答案，其中正确答案有一个或多个。");
    case Multi6:
        return QStringLiteral("多项选择题");
    case Multi7:
        return QStringLiteral("不定项选择题");
    case Case:
        return QStringLiteral("阅读案例多个问题8");
    case SharedOptions:
        return QStringLiteral("五个公用备选多个题每题一个选项9");
    }
    return {};
}

namespace {
int connectionSerial = 0;
} // namespace

TestBank::TestBank() {
    QDir(m_dir.path()).mkpath(QStringLiteral("Data"));
    writeBankFile(filePath());
    m_connection = std::make_unique<BankConnection>(
        filePath(), QStringLiteral("test-bank-%1").arg(++connectionSerial));
    if (!m_connection->open())
        ADD_FAILURE() << m_connection->problem().toStdString();
    m_writer = std::make_unique<BankWriter>(m_connection->database(), BankWriter::Schema::Existing);
    m_writer->setSubject(QStringLiteral("7"), QStringLiteral("职业病"));
    m_writer->setQuestionCount(QStringLiteral("1234"));
    m_writer->setExamSettings({20, 10, 2, 2}, 20);
}

TestBank::~TestBank() = default;

QString TestBank::filePath() const {
    return QDir(m_dir.path()).filePath(QStringLiteral("Data/med.mdb"));
}

void TestBank::addStandardTypes() {
    for (int id = SingleA1; id <= SharedOptions; ++id)
        m_writer->addQuestionType(id, id - 2, typeTitle(id));
}

RowId TestBank::addChapterPath(const QString &chapter) {
    const RowId part = m_writer->addNode(QStringLiteral("基础知识"), 0, 1);
    const RowId section = m_writer->addNode(QStringLiteral("第一章"), part, 2);
    return m_writer->addNode(chapter, section, 3);
}

RowId TestBank::addChoice(RowId groupId, const QString &stem, const QString &answer) {
    return m_writer->addQuestion(groupId, stem, answer, QStringLiteral("解析") + stem,
                                 {QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙"),
                                  QStringLiteral("丁"), QStringLiteral("戊")});
}

void TestBank::exec(const QString &statement) const {
    sql::run(db(), statement);
}

QString TestBank::scalar(const QString &query) const {
    QSqlQuery q = sql::run(db(), query);
    return q.next() ? q.value(0).toString() : QStringLiteral("<no row>");
}

} // namespace velkora::test
