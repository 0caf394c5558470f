#include "booklet/BookletCommand.h"

#include "base/Messages.h"
#include "booklet/BookletContent.h"
#include "browse/BrowseHost.h"
#include "store/BankConnection.h"
#include "store/BankQueries.h"
#include "store/StoreError.h"

#include <QLoggingCategory>
#include <QWidget>

namespace velkora {

Q_LOGGING_CATEGORY(lcBookletCommand, "velkora.booklet")

BookletCommand::BookletCommand(BrowseHost &host, const ProgramFolder &folder, BankConnection &bank,
                               Messages &messages)
    : QObject(host.window()), m_host(host), m_bank(bank), m_messages(messages),
      m_export(folder, bank, host.window()) {}

QList<RowId> BookletCommand::questions() const {
    if (const auto &list = m_host.listPage())
        return list->questions();
    if (m_host.viewMode() == ViewMode::ChapterPractice)
        return {};
    return viewQuestions(BankQueries(m_bank.database()), m_host.viewMode());
}

void BookletCommand::exportBooklet() {
    if (!m_host.showsListPage() && m_host.viewMode() == ViewMode::ChapterPractice) {
        m_messages.inform(
            QStringLiteral("请先打开“收藏试题”或“错题题库”，或搜索试题，再导出PDF。"));
        return;
    }
    QList<RowId> ids;
    QString subject;
    try {
        ids = questions();
        if (const std::optional<Subject> named = BankQueries(m_bank.database()).subject())
            subject = named->name;
    } catch (const StoreError &error) {
        qCWarning(lcBookletCommand) << "booklet questions not read:" << error.message();
        m_messages.inform(QStringLiteral("读取题库时出错，PDF没有导出。"));
        return;
    }
    const auto &list = m_host.listPage();
    const QString title = list ? list->bookletTitle : bookletTitle(m_host.viewMode());
    QString outcome;
    m_host.overPage([&] { outcome = m_export.exportBooklet(subject, title, ids); });
    if (!outcome.isEmpty())
        m_messages.inform(outcome);
}

} // namespace velkora
