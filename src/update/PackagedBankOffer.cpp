#include "update/PackagedBankOffer.h"

#include "base/Messages.h"
#include "maintenance/WorkerThread.h"
#include "update/BankHandover.h"
#include "update/DataDates.h"

#include <QFileInfo>
#include <QSettings>

namespace velkora {

namespace {
// The program's data the learner chose not to take.
const QString declinedKey = QStringLiteral("Declined");
const QString dateFormat = QStringLiteral("yyyy-MM-dd");
} // namespace

std::optional<QDate> PackagedBankOffer::due() const {
    if (m_folder.learnerDir() == m_folder.dir() ||
        !QFileInfo::exists(m_folder.installedBankPath()) || !QFileInfo::exists(m_folder.bankPath()))
        return std::nullopt;
    const std::optional<QDate> packaged = dataDates::read(m_folder.installedDatePath());
    if (!packaged)
        return std::nullopt;
    // A copy made before copies were dated is older than any program's data.
    const std::optional<QDate> copy = dataDates::read(m_folder.learnerDatePath());
    const std::optional<QDate> declined =
        dataDates::parse(QSettings(m_folder.learnerDatePath(), QSettings::IniFormat)
                             .value(QStringLiteral("File1/") + declinedKey)
                             .toString());
    if ((copy && *copy >= *packaged) || declined == packaged)
        return std::nullopt;
    return packaged;
}

bool PackagedBankOffer::offer(Messages &messages) {
    const std::optional<QDate> packaged = due();
    if (!packaged)
        return false;
    const QString date = packaged->toString(dateFormat);
    if (!messages.ask(QStringLiteral("这个版本的 Velkora 带有 %1 的新题库。\n"
                                     "是否换用新题库，并把您的收藏、错题和学习记录转入其中？\n"
                                     "选“否”则继续使用您原来的题库。")
                          .arg(date),
                      QStringLiteral("新题库"), Messages::Choice::YesNo)) {
        dataDates::record(m_folder.learnerDatePath(), declinedKey, *packaged);
        return false;
    }
    BankHandover handover(m_folder);
    BankHandover::Outcome outcome = BankHandover::Outcome::Failed;
    runOnWorkerThread([&] {
        outcome = handover.stage(m_folder.installedBankPath());
        if (outcome == BankHandover::Outcome::Staged)
            outcome = handover.install(*packaged);
    });
    if (outcome != BankHandover::Outcome::Installed) {
        // A bank that will never do is not offered again; a failure of the
        // disk may pass.
        if (outcome == BankHandover::Outcome::NotABank ||
            outcome == BankHandover::Outcome::OtherSubject)
            dataDates::record(m_folder.learnerDatePath(), declinedKey, *packaged);
        messages.inform(QStringLiteral("无法换用新题库：") + handover.problem());
        return false;
    }
    messages.show(
        QStringLiteral("已换用 %1 的新题库，您的收藏、错题和学习记录都已转入。").arg(date),
        QStringLiteral("新题库"));
    return true;
}

} // namespace velkora
