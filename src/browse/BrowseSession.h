#pragma once

#include "page/PageComposer.h"
#include "store/Records.h"
#include "store/StudyLog.h"
#include "store/ViewMode.h"

#include <QList>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

namespace velkora {

// A page of questions from many chapters, shown in place of a chapter page:
// the results of a search or the daily review. A booklet of it holds every
// question it stands for, also those past the ones the page lists.
struct ListPage {
    QString caption; // over the page, where a chapter's name stands
    QString bookletTitle;
    // Reads those questions in tree order; throws StoreError.
    std::function<QList<RowId>()> questions;

    // Set only on a page that is graded as a whole (the daily review): the
    // questions it lists; what its submission records besides a chapter's,
    // given the answered questions, inside the same transaction (throws
    // StoreError); and the page once more without the learner's marks.
    QList<RowId> graded;
    std::function<void(const QList<PracticeAnswer> &)> recordAnswers;
    std::function<void()> showAgain;
    bool isGraded() const { return static_cast<bool>(recordAnswers); }
};

// The main window's state of browsing the bank, and the rules that decide
// what its commands do with it. Plain logic: the window shows what this
// decides.
class BrowseSession {
public:
    // --- the tree ---
    // Takes the row ids of a rebuilt tree by node position. The table grows
    // with the tree; positions past the last node keep older entries, which
    // are never read.
    void takeNodeIds(const QList<RowId> &ids);
    const QList<RowId> &nodeIds() const { return m_nodeIds; }
    RowId chapterAt(int position) const { return m_nodeIds.value(position); }

    enum class NodeKind { SectionWithoutChapters, NotAChapter, Chapter };
    // What a click on a node of `level` (1 part, 2 section, 3 chapter) does.
    static NodeKind kindOfNode(int level, bool hasChildren);

    // --- the view and the page shown ---
    ViewMode viewMode() const { return m_viewMode; }
    void setViewMode(ViewMode mode) { m_viewMode = mode; }
    // The chapter whose page is shown; none before one.
    std::optional<RowId> shownChapter() const { return m_shownChapter; }
    void setShownChapter(std::optional<RowId> chapter) { m_shownChapter = chapter; }
    NumberingState &numbering() { return m_numbering; }
    const std::optional<ListPage> &listPage() const { return m_listPage; }
    void setListPage(std::optional<ListPage> page) { m_listPage = std::move(page); }

    // --- page navigations ---
    bool interceptArmed() const { return m_interceptArmed; }
    void setInterceptArmed(bool armed) { m_interceptArmed = armed; }
    struct NavigationVerdict {
        bool allow = true;
        std::optional<RowId> reportQuestion;    // 错题反馈 of this question
        std::optional<RowId> favouriteQuestion; // 收藏本题 of this question
    };
    // Before a navigation of the page: while a page is built (`armed` is
    // false) everything passes; afterwards everything is cancelled and the
    // two in-page commands are recognised by their host ("http://scbt123/",
    // "http://ctfk123/").
    static NavigationVerdict judgeNavigation(const QUrl &url, bool armed);
    static std::optional<RowId> commandQuestion(const QUrl &url, const QString &command);

    // --- activation ---
    // Start-up and every change of view activate the window. (Coming back to
    // it from a window or message box over it is no activation: the page
    // the learner works on stays.)
    enum class Activation { LayoutChanged, ShowFirstChapter };
    // The activation rule: a window whose page toolbar moved since the last
    // show (`gradingButtonLeft` is not the layout mark) stays as it is;
    // otherwise the first chapter is shown.
    Activation activate(int gradingButtonLeft);
    int layoutMark() const { return m_layoutMark; }
    void setLayoutMark(int left) { m_layoutMark = left; }

    // --- window display ---
    int &zoomLevel() { return m_zoomLevel; }
    int zoomLevel() const { return m_zoomLevel; }
    bool fullScreenFromMaximised() const { return m_fullScreenMark; }
    void setFullScreenFromMaximised(bool maximised) { m_fullScreenMark = maximised; }
    // What every show of the window resets.
    void shown() { m_fullScreenMark = false; }

private:
    QList<RowId> m_nodeIds;
    std::optional<RowId> m_shownChapter;
    ViewMode m_viewMode = ViewMode::ChapterPractice;
    NumberingState m_numbering;
    std::optional<ListPage> m_listPage;
    bool m_interceptArmed = false;
    int m_layoutMark = 0;
    int m_zoomLevel = 0;
    bool m_fullScreenMark = false;
};

// The caption of the tree header for a view.
QString viewCaption(ViewMode mode);

} // namespace velkora
