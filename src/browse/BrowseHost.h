#pragma once

#include "browse/BrowseSession.h"
#include "page/Fragments.h"
#include "store/Records.h"
#include "store/ViewMode.h"

#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace velkora {

class PageView;

// What the program's features may see and do of the main window's page
// and tree: grading, search, the booklet and the in-page commands all go
// through this.
class BrowseHost {
public:
    virtual ~BrowseHost() = default;

    // The window the features' windows and messages stand over.
    virtual QWidget *window() = 0;
    virtual PageView &page() = 0;

    // The chapter whose page is shown; none before one, or on a list page.
    virtual std::optional<RowId> shownChapter() const = 0;
    virtual ViewMode viewMode() const = 0;
    virtual const std::optional<ListPage> &listPage() const = 0;
    bool showsListPage() const { return listPage().has_value(); }
    // Numbering of question pages, reset for every page built.
    virtual NumberingState &numbering() = 0;
    virtual PictureLocator pictures() const = 0;
    // Whether the page is complete and its buttons run commands.
    virtual bool commandsArmed() const = 0;

    // Builds the shown chapter again, without the learner's marks.
    virtual void rebuildPage() = 0;
    virtual void showAllAnswers() = 0;
    // Enters a view (or chapter practice again) with its first chapter.
    virtual void enterView(ViewMode mode) = 0;
    // The favourites view, or the message that there are none.
    virtual void openFavourites() = 0;
    // The tree's chapter progress read anew, after the study log grew.
    virtual void showProgress() = 0;
    // Shows a composed list page (a search's, the daily review) in place of
    // the chapter page, then runs the script `afterShown` (if any) on it.
    virtual void showListPage(const QStringList &fragments, const QString &afterShown,
                              ListPage page) = 0;

    // Runs `work`, which works on the page or puts a window or message over
    // it: meanwhile nothing the page sends runs a command, and afterwards its
    // buttons work as before. The page itself stays; only a change of view,
    // a new search or rebuilding it replaces it.
    virtual void overPage(const std::function<void()> &work) = 0;
};

} // namespace velkora
