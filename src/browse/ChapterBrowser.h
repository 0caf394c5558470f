#pragma once

#include "browse/BrowseHost.h"
#include "browse/BrowseSession.h"
#include "browse/TemplateProblemNotice.h"
#include "page/PagePresenter.h"

#include <QObject>

namespace velkora {

class BankConnection;
class ChapterTreePanel;
class Messages;
class PageToolbar;
class ProgramFolder;
class ReadingPlaceMemory;
struct ReadingPlace;
class WebPageView;
struct TextSizeStep;

// Browsing the bank in the main window: the tree of the view, the chapter
// page of the node clicked, the views, the answers shown or hidden and the
// text size; and, as BrowseHost, what the program's features may do with
// the page. The state lives in BrowseSession; this puts what it decides on
// the screen.
class ChapterBrowser : public QObject, public BrowseHost {
    Q_OBJECT
public:
    ChapterBrowser(const ProgramFolder &folder, BankConnection &bank, Messages &messages,
                   WebPageView &view, ChapterTreePanel &tree, PageToolbar &toolbar,
                   QWidget *window);

    BrowseSession &session() { return m_session; }

    // Start-up and every view entry: the tree for the view, then the page of
    // the node at tree position 2, or of `chapter` when the tree has it.
    void refreshTree();
    void activate(std::optional<RowId> chapter = std::nullopt);
    // Start-up at the place the learner left: its chapter, scrolled to its
    // question, at its text size.
    void resume(const ReadingPlace &place);
    // From now on the chapter shown and the text size are kept in `memory`.
    void rememberPlacesIn(ReadingPlaceMemory *memory) { m_memory = memory; }
    // Keeps the question the learner is at on the page shown.
    void keepQuestionInView();
    // The bank was opened anew (replaced by a restore): start-up once more.
    void showReopenedBank();

    void showSelectedNode();
    void returnToChapterPractice();
    void hideAllAnswers();
    void enlargeText();
    void reduceText();
    // Undoes a full-screen display before a view is entered.
    void prepareViewEntry();

    // BrowseHost
    QWidget *window() override { return m_window; }
    PageView &page() override;
    std::optional<RowId> shownChapter() const override;
    ViewMode viewMode() const override { return m_session.viewMode(); }
    const std::optional<ListPage> &listPage() const override { return m_session.listPage(); }
    NumberingState &numbering() override { return m_session.numbering(); }
    PictureLocator pictures() const override;
    bool commandsArmed() const override { return m_session.interceptArmed(); }
    void rebuildPage() override;
    void showAllAnswers() override;
    void enterView(ViewMode mode) override;
    void openFavourites() override;
    void showProgress() override;
    void showListPage(const QStringList &fragments, const QString &afterShown,
                      ListPage page) override;
    void overPage(const std::function<void()> &work) override;

signals:
    // The tree was shown afresh (start-up, a change of view).
    void treeRefreshed();

private:
    void showChapter(RowId treeId);
    void present(const QStringList &fragments);
    void startPracticeKeys(std::optional<RowId> question);
    void resetAnswerButtons();
    void pressAnswerButtons(bool show);
    void changeTextSize(TextSizeStep (*step)(int &zoomLevel));
    void setViewCaption(ViewMode mode);

    const ProgramFolder &m_folder;
    BankConnection &m_bank;
    Messages &m_messages;
    WebPageView &m_view;
    ChapterTreePanel &m_tree;
    PageToolbar &m_toolbar;
    QWidget *m_window;
    BrowseSession m_session;
    PagePresenter m_presenter;
    TemplateProblemNotice m_templateProblems;
    ReadingPlaceMemory *m_memory = nullptr;
    std::optional<int> m_textPixels; // the body font size the text-size commands last gave
};

} // namespace velkora
