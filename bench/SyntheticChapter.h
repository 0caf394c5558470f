#pragma once

#include "SyntheticBank.h"
#include "store/BankConnection.h"
#include "store/BankFile.h"
#include "store/BankQueries.h"
#include "store/BankWriter.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <memory>

namespace velkora::bench {

// A program folder holding the page template and a synthetic bank of mixed
// questions, open on its own connection, with the bank's first chapter at
// hand: by default a bank of that one chapter.
class SyntheticChapter {
public:
    explicit SyntheticChapter(int questions = 200) : SyntheticChapter({1, 1, 1, questions}) {}

    explicit SyntheticChapter(const SyntheticBankSize &size) {
        QFile::copy(QStringLiteral(VELKORA_PROGRAM_DIR "/yk.html"), templatePath());
        QDir(m_folder.path()).mkpath("Data");
        const QString path = m_folder.filePath("Data/med.mdb");
        writeBankFile(path, [&](BankWriter &writer) {
            writeSyntheticBank(writer, size);
            m_bankQuestions = writer.questionsWritten();
        });
        m_bank =
            std::make_unique<BankConnection>(path, QStringLiteral("bench-%1").arg(m_bankQuestions));
        m_bank->open();
        const BankQueries queries(m_bank->database());
        const int section = queries.childNodes(queries.topLevelNodes().value(0).id).value(0).id;
        m_chapterId = queries.chapters(section, ViewMode::ChapterPractice).value(0).id;
    }

    QString templatePath() const { return m_folder.filePath("yk.html"); }
    BankConnection &bank() const { return *m_bank; }
    RowId chapterId() const { return m_chapterId; }
    int bankQuestions() const { return m_bankQuestions; }

private:
    QTemporaryDir m_folder;
    std::unique_ptr<BankConnection> m_bank;
    RowId m_chapterId = 0;
    int m_bankQuestions = 0;
};

} // namespace velkora::bench
