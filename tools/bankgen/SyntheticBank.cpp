#include "SyntheticBank.h"

#include "store/BankWriter.h"

#include <QStringList>

namespace velkora {

namespace {

const QStringList fiveOptions = {QStringLiteral("选项甲"), QStringLiteral("选项乙"),
                                 QStringLiteral("选项丙"), QStringLiteral("选项丁"),
                                 QStringLiteral("选项戊")};

// Type ids and codes as the demo bank has them.
struct TypeRow {
    int id;
    int code;
    const char *title;
};
constexpr TypeRow types[] = {
    {3, 1, "A1型题"},
    {4, 2, "A2型题"},
    {5, 3, "B型题配伍选择题"},
    {6, 4, "X型题"},
    {7, 5,
     "A3/A4型题：每个案例至少有3个提问，每个提问有4-12个备选答案，其中正确答案有一个或多个。"},
    {8, 6, "多项选择题"},
    {9, 7, "不定项选择题"},
    {10, 8, "阅读案例多个问题8"},
    {11, 9, "五个公用备选多个题每题一个选项9"},
};

void writeChapter(BankWriter &writer, int chapterId, int questions) {
    int written = 0;
    int round = 0;
    auto stem = [&] { return QStringLiteral("合成试题第 %1 题的题干").arg(++written); };
    while (written < questions) {
        const int typeId = 3 + round++ % 9;
        const int left = questions - written;
        if (typeId == 10) {
            const int group = writer.addGroup(chapterId, typeId, QStringLiteral("合成病例描述"));
            for (int i = 0; i < qMin(4, left); ++i)
                writer.addQuestion(group, stem(), QStringLiteral("AC"), QStringLiteral("解析"),
                                   fiveOptions);
        } else if (typeId == 11) {
            const int group = writer.addGroup(chapterId, typeId,
                                              QStringLiteral("A．甲 B．乙 C．丙 D．丁 E．戊"), 5);
            for (int i = 0; i < qMin(3, left); ++i)
                writer.addQuestion(group, stem(), QStringLiteral("B"), QStringLiteral("解析"));
        } else {
            const int group = writer.addGroup(chapterId, typeId);
            for (int i = 0; i < qMin(5, left); ++i)
                writer.addQuestion(group, stem(),
                                   typeId <= 5 ? QStringLiteral("A") : QStringLiteral("ABD"),
                                   QStringLiteral("解析"), fiveOptions);
        }
    }
}

} // namespace

void writeSyntheticBank(BankWriter &writer, const SyntheticBankSize &size) {
    writer.setSubject(QStringLiteral("1"), QStringLiteral("职业病"));
    writer.setExamSettings({20, 10, 2, 2}, 20);
    for (const TypeRow &type : types)
        writer.addQuestionType(type.id, type.code, QString::fromUtf8(type.title));
    for (int p = 1; p <= size.parts; ++p) {
        const int part = writer.addNode(QStringLiteral("第%1部分").arg(p), 0, 1);
        for (int s = 1; s <= size.sectionsPerPart; ++s) {
            const int section = writer.addNode(QStringLiteral("第%1章").arg(s), part, 2);
            for (int c = 1; c <= size.chaptersPerSection; ++c) {
                const int chapter = writer.addNode(QStringLiteral("第%1节").arg(c), section, 3);
                writeChapter(writer, chapter, size.questionsPerChapter);
            }
        }
    }
    writer.setQuestionCount(QString::number(writer.questionsWritten()));
}

} // namespace velkora
