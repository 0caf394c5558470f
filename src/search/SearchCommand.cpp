#include "search/SearchCommand.h"

#include "base/Messages.h"
#include "browse/BrowseHost.h"
#include "search/BankSearch.h"
#include "search/SearchResultsPage.h"
#include "store/BankConnection.h"
#include "store/BankQueries.h"
#include "store/StoreError.h"

#include <QAction>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QProgressDialog>

namespace velkora {

Q_LOGGING_CATEGORY(lcSearch, "velkora.search")

namespace {
constexpr int fieldWidth = 220;
constexpr int fieldHeight = 19;
// Small banks index in a blink; the display appears only for longer builds.
constexpr int progressDelayMs = 400;
} // namespace

SearchCommand::SearchCommand(BrowseHost &host, BankConnection &bank, Messages &messages,
                             QAction *searchBank)
    : QObject(host.window()), m_host(host), m_bank(bank), m_messages(messages),
      m_field(new QLineEdit) {
    m_field->setObjectName(QStringLiteral("SearchField"));
    m_field->setPlaceholderText(QStringLiteral("搜索试题（Ctrl+F）"));
    m_field->setAccessibleName(QStringLiteral("搜索试题"));
    m_field->setToolTip(QStringLiteral("在整个题库的题干、选项、病例和解析中搜索，按回车键开始"));
    m_field->setClearButtonEnabled(true);
    m_field->setMaxLength(SearchQuery::maxCharacters);
    m_field->setFixedSize(fieldWidth, fieldHeight);
    m_field->setStyleSheet(
        QStringLiteral("QLineEdit { border: 1px solid #7fb3bf; border-radius: 3px; padding: 0 4px;"
                       " background: #f4fafb; color: #16414d; font-size: 12px; }"
                       "QLineEdit:focus { border-color: #ffffff; background: #ffffff; }"));
    connect(m_field, &QLineEdit::returnPressed, this, &SearchCommand::search);
    connect(searchBank, &QAction::triggered, this, [this] {
        m_field->setFocus(Qt::ShortcutFocusReason);
        m_field->selectAll();
    });
}

void SearchCommand::forgetIndex() {
    m_index.reset();
}

void SearchCommand::search() {
    const SearchQuery query(m_field->text());
    if (query.isEmpty())
        return;
    if (!m_bank.isOpen()) {
        m_messages.inform(QStringLiteral("题库没有打开，无法搜索。"));
        return;
    }
    if (!prepareIndex())
        return;
    try {
        const QSqlDatabase db = m_bank.database();
        const SearchResult result = BankSearch(db, m_index->schema()).find(query);
        NumberingState numbering;
        const QStringList fragments =
            composeSearchPage(BankQueries(db), query, result, numbering, m_host.pictures());
        // A booklet holds every question found; they are read when one is
        // made, so a search costs nothing for it.
        const auto allQuestions = [&bank = m_bank, schema = m_index->schema(), query] {
            return BankSearch(bank.database(), schema).allQuestions(query);
        };
        m_host.showListPage(
            fragments, highlightScript(query),
            {QStringLiteral("搜索结果"), searchBookletTitle(query, result), allQuestions});
    } catch (const StoreError &error) {
        qCWarning(lcSearch) << "search failed:" << error.message();
        m_messages.inform(
            QStringLiteral("搜索没有完成：题库读取出错。请重新启动 Velkora 后再试。"));
    }
}

bool SearchCommand::prepareIndex() {
    if (m_index && m_index->isLocated())
        return true;
    m_index.emplace(m_bank.database());
    try {
        if (m_index->locate())
            return true;
        QProgressDialog progress(QStringLiteral("正在为搜索整理题库，只在第一次搜索时需要……"),
                                 QStringLiteral("取消"), 0, 100, m_host.window());
        progress.setWindowTitle(QStringLiteral("搜索试题"));
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(progressDelayMs);
        progress.setAutoReset(false);
        const SearchIndex::BuildResult built = m_index->build([&](qsizetype done, qsizetype total) {
            progress.setMaximum(int(qMax<qsizetype>(total, 1)));
            progress.setValue(int(done));
            return !progress.wasCanceled();
        });
        progress.close();
        if (built == SearchIndex::BuildResult::Cancelled) {
            m_index.reset();
            return false;
        }
        return true;
    } catch (const StoreError &error) {
        qCWarning(lcSearch) << "search index not built:" << error.message();
        m_index.reset();
        m_messages.inform(
            QStringLiteral("搜索没有完成：题库读取出错。请重新启动 Velkora 后再试。"));
        return false;
    }
}

} // namespace velkora
