#include "browse/ChapterBrowser.h"

#include "base/Messages.h"
#include "base/ProgramFolder.h"
#include "browse/ChapterPage.h"
#include "browse/ChapterTreePanel.h"
#include "browse/NavigationTree.h"
#include "browse/PageToolbar.h"
#include "browse/ReadingPlace.h"
#include "browse/TextSize.h"
#include "page/WebPageView.h"
#include "store/BankConnection.h"
#include "store/BankQueries.h"
#include "store/ChapterFigures.h"
#include "store/FlagStore.h"
#include "store/StoreError.h"

#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>

namespace velkora {

Q_LOGGING_CATEGORY(lcBrowse, "velkora.browse")

namespace {
constexpr int firstChapterPosition = 2;
constexpr int startZoomLevel = 2;
} // namespace

ChapterBrowser::ChapterBrowser(const ProgramFolder &folder, BankConnection &bank,
                               Messages &messages, WebPageView &view, ChapterTreePanel &tree,
                               PageToolbar &toolbar, QWidget *window)
    : QObject(window), m_folder(folder), m_bank(bank), m_messages(messages), m_view(view),
      m_tree(tree), m_toolbar(toolbar), m_window(window), m_presenter(view, folder.templatePath()),
      m_templateProblems(messages) {
    m_presenter.setRequiredFunctions({QStringLiteral("xsda"), QStringLiteral("scbt")});
    m_presenter.preload();
    connect(&m_tree, &ChapterTreePanel::nodeClicked, this, &ChapterBrowser::showSelectedNode);
}

PageView &ChapterBrowser::page() {
    return m_view;
}

std::optional<RowId> ChapterBrowser::shownChapter() const {
    return m_session.listPage() ? std::nullopt : m_session.shownChapter();
}

PictureLocator ChapterBrowser::pictures() const {
    return [this](const QString &stored) { return m_folder.locatePicture(stored); };
}

void ChapterBrowser::refreshTree() {
    m_session.shown();
    m_session.setLayoutMark(m_toolbar.gradingButton()->x());
    m_tree.clear();
    if (!m_bank.isOpen()) {
        emit treeRefreshed();
        return;
    }
    NavigationTree navigation;
    QString failure;
    try {
        buildNavigationTree(BankQueries(m_bank.database()), m_session.viewMode(), navigation);
    } catch (const StoreError &error) {
        qCWarning(lcBrowse) << "tree read failed:" << error.message();
        failure = error.driverText();
    }
    m_tree.showNodes(navigation.roots);
    m_session.takeNodeIds(navigation.nodeIds);
    showProgress();
    emit treeRefreshed();
    if (!failure.isEmpty())
        m_messages.inform(QStringLiteral("读取题库目录时出错，目录可能不完整：%1").arg(failure));
}

void ChapterBrowser::activate(std::optional<RowId> chapter) {
    if (m_session.activate(m_toolbar.gradingButton()->x()) ==
        BrowseSession::Activation::LayoutChanged)
        return;
    m_tree.expandAll();
    const qsizetype chapterPosition = chapter ? m_session.nodeIds().indexOf(*chapter) : -1;
    const int position = chapterPosition > 0 ? int(chapterPosition) : firstChapterPosition;
    if (m_tree.select(position))
        showSelectedNode();
    else
        qCInfo(lcBrowse) << "the tree has no node at position" << position;
    m_session.zoomLevel() = startZoomLevel;
}

void ChapterBrowser::resume(const ReadingPlace &place) {
    activate(place.chapter);
    if (!place.chapter || m_session.shownChapter() != place.chapter)
        return;
    if (place.question)
        startPracticeKeys(place.question);
    if (place.zoomLevel && place.textPixels && m_view.setBodyFontSize(*place.textPixels)) {
        m_session.zoomLevel() = *place.zoomLevel;
        m_textPixels = place.textPixels;
    }
}

void ChapterBrowser::keepQuestionInView() {
    if (!m_memory || !shownChapter())
        return;
    bool isNumber = false;
    const RowId question =
        m_view.evaluate(QStringLiteral("window.velkoraPractice?velkoraPractice.place():''"))
            .toString()
            .toLongLong(&isNumber);
    m_memory->keepQuestion(isNumber ? std::optional<RowId>(question) : std::nullopt);
}

void ChapterBrowser::showReopenedBank() {
    m_session.setViewMode(ViewMode::ChapterPractice);
    setViewCaption(ViewMode::ChapterPractice);
    m_session.setShownChapter(std::nullopt);
    refreshTree();
    activate();
}

void ChapterBrowser::showSelectedNode() {
    const std::optional<ChapterTreePanel::Node> node = m_tree.selectedNode();
    if (!node)
        return;
    const BrowseSession::NodeKind kind = BrowseSession::kindOfNode(node->level, node->hasChildren);
    if (kind == BrowseSession::NodeKind::SectionWithoutChapters) {
        m_messages.inform(QStringLiteral("本章节无试题!"));
        return;
    }
    resetAnswerButtons();
    m_session.numbering().reset();
    if (kind == BrowseSession::NodeKind::Chapter)
        showChapter(m_session.chapterAt(node->position));
    else
        m_session.setInterceptArmed(true);
}

void ChapterBrowser::rebuildPage() {
    const std::optional<RowId> shown = shownChapter();
    if (!shown)
        return;
    resetAnswerButtons();
    m_session.numbering().reset();
    showChapter(*shown);
}

void ChapterBrowser::showChapter(RowId treeId) {
    m_session.setInterceptArmed(false);
    const ChapterPage page =
        composeChapterPage(BankQueries(m_bank.database()), treeId, m_session.viewMode(),
                           m_session.numbering(), pictures());
    if (page.chapterFound) {
        m_toolbar.chapterLabel()->setText(page.chapterName);
        m_session.setShownChapter(treeId);
        if (m_memory)
            m_memory->keepChapter(treeId);
    }
    m_session.setListPage(std::nullopt);
    present(page.fragments);
    m_session.setInterceptArmed(true);
}

void ChapterBrowser::showListPage(const QStringList &fragments, const QString &afterShown,
                                  ListPage page) {
    m_session.setInterceptArmed(false);
    m_toolbar.chapterLabel()->setText(page.caption);
    // A new page shows no answer yet, whatever the page before showed.
    resetAnswerButtons();
    // No chapter of the tree is shown now; a click on any of them shows it.
    m_tree.clearSelection();
    m_session.setListPage(std::move(page));
    present(fragments);
    if (!afterShown.isEmpty() && !m_view.runScript(afterShown))
        qCWarning(lcBrowse) << "script after the list page failed";
    m_session.setInterceptArmed(true);
}

void ChapterBrowser::present(const QStringList &fragments) {
    const ShowResult result = m_presenter.show(fragments);
    m_templateProblems.tell(result);
    if (result == ShowResult::Shown || result == ShowResult::TemplateDamaged)
        startPracticeKeys(std::nullopt);
}

void ChapterBrowser::startPracticeKeys(std::optional<RowId> question) {
    // The template's script carries the keys; a template without it simply has none.
    m_view.runScript(QStringLiteral("if(window.velkoraPractice)velkoraPractice.start(%1)")
                         .arg(question ? QString::number(*question) : QStringLiteral("null")));
    m_view.setFocus(Qt::OtherFocusReason);
}

void ChapterBrowser::overPage(const std::function<void()> &work) {
    const bool wasArmed = m_session.interceptArmed();
    m_session.setInterceptArmed(false);
    work();
    // A page the work built anew has armed its own commands.
    if (!m_session.interceptArmed())
        m_session.setInterceptArmed(wasArmed);
}

void ChapterBrowser::resetAnswerButtons() {
    m_toolbar.hideAllButton()->hide();
    m_toolbar.showAllButton()->show();
}

void ChapterBrowser::prepareViewEntry() {
    resetAnswerButtons();
    // Undo a full-screen display, so that the activation finds the page
    // toolbar at its mark and builds the first page.
    if (m_toolbar.gradingButton()->x() != m_session.layoutMark())
        m_toolbar.shiftMarkedControls(-m_tree.width());
    m_toolbar.answerAgainButton()->show();
    m_toolbar.submitButton()->show();
    m_tree.show();
}

void ChapterBrowser::returnToChapterPractice() {
    prepareViewEntry();
    m_session.setViewMode(ViewMode::ChapterPractice);
    setViewCaption(ViewMode::ChapterPractice);
    refreshTree();
    activate();
    m_toolbar.gradingButton()->show();
    m_tree.expandAll();
}

void ChapterBrowser::openFavourites() {
    bool any = false;
    try {
        any = BankQueries(m_bank.database()).anyQuestionFlagged(ViewMode::Favourites);
    } catch (const StoreError &error) {
        qCWarning(lcBrowse) << "favourites not read:" << error.message();
    }
    if (!any) {
        m_messages.inform(QStringLiteral("您没有收藏试题！"));
        return;
    }
    enterView(ViewMode::Favourites);
}

void ChapterBrowser::enterView(ViewMode mode) {
    if (mode == ViewMode::ChapterPractice) {
        returnToChapterPractice();
        return;
    }
    prepareViewEntry();
    m_session.setInterceptArmed(false);
    m_session.setViewMode(mode);
    setViewCaption(mode);
    m_toolbar.gradingButton()->hide();
    try {
        FlagStore(m_bank.database()).markChapters(mode);
    } catch (const StoreError &error) {
        qCWarning(lcBrowse) << "chapters of the view not marked:" << error.message();
    }
    refreshTree();
    activate();
    m_tree.expandAll();
    m_session.setInterceptArmed(true);
}

void ChapterBrowser::showProgress() {
    if (!m_bank.isOpen())
        return;
    try {
        m_tree.showProgress(readChapterProgress(m_bank.database()));
    } catch (const StoreError &error) {
        qCWarning(lcBrowse) << "chapter progress not read:" << error.message();
    }
}

void ChapterBrowser::setViewCaption(ViewMode mode) {
    m_tree.setCaption(viewCaption(mode));
}

void ChapterBrowser::pressAnswerButtons(bool show) {
    m_toolbar.showAllButton()->setVisible(!show);
    m_toolbar.hideAllButton()->setVisible(show);
    m_session.setInterceptArmed(false);
    // Every answer button that still reads the other way, in question-number order.
    m_view.runScript(
        QStringLiteral(
            "var b=Array.prototype.slice.call(document.getElementsByName('torvanexsda'));"
            "b.sort(function(x,y){return parseInt(x.id.substring(2),10)-"
            "parseInt(y.id.substring(2),10);});"
            "for(var i=0;i<b.length;i++){if(b[i].value=='%1')b[i].click();}")
            .arg(show ? QStringLiteral("显示答案") : QStringLiteral("隐藏答案")));
    m_session.setInterceptArmed(true);
}

void ChapterBrowser::showAllAnswers() {
    pressAnswerButtons(true);
}

void ChapterBrowser::hideAllAnswers() {
    pressAnswerButtons(false);
}

void ChapterBrowser::changeTextSize(TextSizeStep (*step)(int &zoomLevel)) {
    m_session.setInterceptArmed(false);
    const TextSizeStep result = step(m_session.zoomLevel());
    if (!result.bodyPixels)
        m_messages.inform(result.message);
    else if (!m_view.setBodyFontSize(*result.bodyPixels))
        qCWarning(lcBrowse) << "page took no text size";
    else
        m_textPixels = result.bodyPixels;
    if (m_memory)
        m_memory->keepTextSize(m_session.zoomLevel(), m_textPixels);
    m_session.setInterceptArmed(true);
}

void ChapterBrowser::enlargeText() {
    changeTextSize(largerText);
}

void ChapterBrowser::reduceText() {
    changeTextSize(smallerText);
}

} // namespace velkora
