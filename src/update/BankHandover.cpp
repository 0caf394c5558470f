#include "update/BankHandover.h"

#include "base/ProgramFolder.h"
#include "maintenance/BankFileCheck.h"
#include "store/BankConnection.h"
#include "store/BankQueries.h"
#include "store/ScopedDatabase.h"
#include "store/StoreError.h"
#include "update/DataDates.h"
#include "update/RecordCarrier.h"

#include <QAtomicInt>
#include <QLoggingCategory>

namespace velkora {

Q_LOGGING_CATEGORY(lcHandover, "velkora.update")

namespace {
const QString unchanged = QStringLiteral("原题库没有改动。");
QAtomicInt serial;
} // namespace

BankHandover::BankHandover(const ProgramFolder &folder)
    : m_bankPath(folder.bankPath()), m_datePath(folder.learnerDatePath()),
      m_restore(QString(), folder.bankPath()) {}

QString BankHandover::subjectOf(const QString &bankPath) {
    const ScopedDatabase bank = ScopedDatabase::readOnlySqlite(bankPath);
    if (!bank.database().open())
        return {};
    try {
        const std::optional<Subject> subject = BankQueries(bank.database()).subject();
        return subject ? subject->name.trimmed() : QString();
    } catch (const StoreError &) {
        return {};
    }
}

BankHandover::Outcome BankHandover::fail(Outcome outcome, const QString &problem) {
    m_problem = problem + unchanged;
    return outcome;
}

BankHandover::Outcome BankHandover::stage(const QString &newBankPath) {
    m_restore = BankRestore(newBankPath, m_bankPath);
    switch (m_restore.stage()) {
    case BankRestore::Outcome::Staged:
        break;
    case BankRestore::Outcome::Missing:
    case BankRestore::Outcome::NotABank:
        return fail(Outcome::NotABank, QStringLiteral("新的题库文件已损坏或不是题库。"));
    default:
        return fail(Outcome::Failed,
                    QStringLiteral("无法在题库所在的文件夹中准备新的题库，请检查磁盘空间和权限。"));
    }
    const QString learners = subjectOf(m_bankPath);
    const QString offered = subjectOf(m_restore.stagedPath());
    if (learners.isEmpty() || offered != learners) {
        qCWarning(lcHandover) << "new bank of subject" << offered << "refused for" << learners;
        m_restore = BankRestore(QString(), m_bankPath);
        return fail(
            Outcome::OtherSubject,
            learners.isEmpty()
                ? QStringLiteral("无法读出当前题库的科目，不能确认新题库属于同一科目。")
                : QStringLiteral("新的题库属于科目“%1”，不是您的科目“%2”。")
                      .arg(offered.isEmpty() ? QStringLiteral("（未知）") : offered, learners));
    }
    return Outcome::Staged;
}

BankHandover::Outcome BankHandover::install(const QDate &dataDate) {
    try {
        const ScopedDatabase staged(QStringLiteral("QSQLITE"), m_restore.stagedPath());
        if (!staged.database().open())
            throw StoreError(m_restore.stagedPath(), staged.lastErrorText());
        RecordCarrier::carry(staged.database(), m_bankPath);
    } catch (const StoreError &error) {
        qCWarning(lcHandover) << "records not carried into the new bank:" << error.message();
        return fail(Outcome::Failed,
                    QStringLiteral("无法把您的收藏、错题和学习记录转入新的题库。"));
    }
    if (const QString problem = BankFileCheck::bankProblem(m_restore.stagedPath());
        !problem.isEmpty()) {
        qCWarning(lcHandover) << "new bank with the records fails its check:" << problem;
        return fail(Outcome::Failed, QStringLiteral("转入记录后的新题库没有通过检查。"));
    }
    BankConnection bank(m_bankPath,
                        QStringLiteral("velkora-handover-%1").arg(serial.fetchAndAddRelaxed(1)));
    switch (m_restore.install(bank)) {
    case BankRestore::Outcome::Restored:
        break;
    case BankRestore::Outcome::RestoredNotOpened:
        // Checked just before: only a disk failing now gets here.
        m_problem = QStringLiteral("新的题库已经换上，但无法打开：") + bank.problem();
        return Outcome::Failed;
    default:
        return fail(Outcome::Failed, QStringLiteral("无法换上新的题库，请检查磁盘空间和权限。"));
    }
    bank.close();
    if (!dataDates::record(m_datePath, dataDates::dateKey, dataDate)) {
        // The records are in the new bank; a later check offers the same
        // data again, and carrying them once more changes nothing.
        qCWarning(lcHandover) << "new bank installed, but its date not written to" << m_datePath;
    }
    return Outcome::Installed;
}

} // namespace velkora
