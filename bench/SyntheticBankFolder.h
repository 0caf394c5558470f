#pragma once

#include "SyntheticBank.h"
#include "store/BankConnection.h"
#include "store/BankFile.h"
#include "store/BankWriter.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

namespace velkora::bench {

// The bank size the benchmarks measure against: 5 parts x 5 sections x 4
// chapters x 500 questions.
inline constexpr SyntheticBankSize fiftyThousandQuestions{5, 5, 4, 500};

// A synthetic bank as Data/med.mdb of a temporary program folder, open on a
// connection of its own. Says on standard error when it could not be opened.
class SyntheticBankFolder {
public:
    explicit SyntheticBankFolder(const SyntheticBankSize &size) {
        QDir(m_dir.path()).mkdir(QStringLiteral("Data"));
        writeBankFile(bankPath(), [&](BankWriter &writer) {
            writeSyntheticBank(writer, size);
            m_questions = writer.questionsWritten();
        });
        m_bank = std::make_unique<BankConnection>(bankPath());
        if (!m_bank->open())
            std::fprintf(stderr, "bank not opened: %s\n", qPrintable(m_bank->problem()));
    }

    bool isOpen() const { return m_bank->isOpen(); }
    BankConnection &bank() { return *m_bank; }
    QString folder() const { return m_dir.path(); }
    QString bankPath() const { return m_dir.filePath(QStringLiteral("Data/med.mdb")); }
    int questions() const { return m_questions; }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<BankConnection> m_bank;
    int m_questions = 0;
};

} // namespace velkora::bench
