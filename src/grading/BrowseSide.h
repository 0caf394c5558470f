#pragma once

#include "store/ViewMode.h"

#include <QString>

namespace velkora {

class PageView;

// What the grading commands need of the browsing side of the main window.
class BrowseSide {
public:
    virtual ~BrowseSide() = default;

    // Row id of the chapter whose page is shown, as text; empty before one.
    virtual QString currentChapter() const = 0;
    virtual ViewMode viewMode() const = 0;
    virtual bool showsSearchResults() const = 0;
    virtual PageView &page() = 0;

    // In-page navigations are commands while armed; grading disarms them.
    virtual bool interceptArmed() const = 0;
    virtual void setInterceptArmed(bool armed) = 0;

    virtual void showAllAnswers() = 0;
    // Builds the shown chapter again, without the learner's marks.
    virtual void rebuildPage() = 0;
    virtual void enterView(ViewMode mode) = 0;
};

} // namespace velkora
