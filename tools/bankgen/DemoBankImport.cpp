#include "DemoBankImport.h"

#include "store/BankWriter.h"
#include "store/StoreError.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace velkora {

namespace {

struct SourceError {
    QString text;
};

QJsonObject readObject(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SourceError{QStringLiteral("%1: %2").arg(path, file.errorString())};
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (!doc.isObject())
        throw SourceError{
            QStringLiteral("%1: %2 at offset %3").arg(path, error.errorString()).arg(error.offset)};
    return doc.object();
}

QStringList strings(const QJsonValue &value) {
    QStringList list;
    for (const QJsonValue &v : value.toArray())
        list << v.toString();
    return list;
}

void importQuestions(const QJsonArray &questions, int groupId, BankWriter &writer) {
    for (const QJsonValue &value : questions) {
        const QJsonObject q = value.toObject();
        writer.addQuestion(groupId, q["stem"].toString(), q["answer"].toString(),
                           q["explain"].toString(), strings(q["options"]), q["picture"].toString());
    }
}

void importPart(const QJsonObject &part, BankWriter &writer) {
    const int partId = writer.addNode(part["name"].toString(), 0, 1);
    for (const QJsonValue &sectionValue : part["sections"].toArray()) {
        const QJsonObject section = sectionValue.toObject();
        const int sectionId = writer.addNode(section["name"].toString(), partId, 2);
        for (const QJsonValue &chapterValue : section["chapters"].toArray()) {
            const QJsonObject chapter = chapterValue.toObject();
            const int chapterId = writer.addNode(chapter["name"].toString(), sectionId, 3);
            for (const QJsonValue &groupValue : chapter["groups"].toArray()) {
                const QJsonObject group = groupValue.toObject();
                const int groupId =
                    writer.addGroup(chapterId, group["type"].toInt(), group["text"].toString(),
                                    group["opnum"].toInt());
                importQuestions(group["questions"].toArray(), groupId, writer);
            }
        }
    }
}

} // namespace

QString importBankSource(const QString &sourceDir, BankWriter &writer) {
    const QDir dir(sourceDir);
    try {
        const QJsonObject bank = readObject(dir.filePath(QStringLiteral("bank.json")));
        const QJsonObject subject = bank["subject"].toObject();
        writer.setSubject(subject["id"].toString(), subject["name"].toString());
        const QJsonObject settings = bank["settings"].toObject();
        QList<int> counts;
        for (const QJsonValue &v : settings["txs"].toArray())
            counts << v.toInt();
        writer.setExamSettings(counts, settings["fg"].toInt());
        for (const QJsonValue &value : bank["types"].toArray()) {
            const QJsonObject type = value.toObject();
            writer.addQuestionType(type["id"].toInt(), type["code"].toInt(),
                                   type["title"].toString());
        }
        for (const QJsonValue &file : bank["parts"].toArray())
            importPart(readObject(dir.filePath(file.toString())), writer);
        writer.setQuestionCount(QString::number(writer.questionsWritten()));
    } catch (const SourceError &error) {
        return error.text;
    } catch (const StoreError &error) {
        return error.message();
    }
    return {};
}

} // namespace velkora
