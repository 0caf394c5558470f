#include "page/PagePresenter.h"
#include "page/PageView.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace velkora;

namespace {

// A view that records what reaches it; `duringLoad` runs while a load
// "waits", as other events would in the real view.
class RecordingView : public PageView {
public:
    bool load(const QString &) override {
        ++loads;
        if (duringLoad)
            std::exchange(duringLoad, nullptr)();
        return loadSucceeds;
    }
    bool appendHtml(const QStringList &fragments) override {
        appended << fragments;
        return true;
    }
    void setTextZoom(int level) override { zoom = level; }
    bool runScript(const QString &) override { return true; }
    QList<ControlState> controls() override { return {}; }
    bool setElementColor(const QString &, const QString &) override { return true; }
    bool setBodyFontSize(int) override { return true; }

    int loads = 0;
    bool loadSucceeds = true;
    int zoom = -1;
    QStringList appended;
    std::function<void()> duringLoad;
};

class PagePresenterTest : public ::testing::Test {
protected:
    void SetUp() override {
        templatePath = dir.filePath("yk.html");
        QFile file(templatePath);
        file.open(QIODevice::WriteOnly);
        file.write("<html><body></body></html>");
    }
    QTemporaryDir dir;
    QString templatePath;
    RecordingView view;
};

} // namespace

TEST_F(PagePresenterTest, ShowsFragmentsThenSetsTheZoom) {
    PagePresenter presenter(view, templatePath);
    EXPECT_EQ(presenter.show({"a", "b"}), ShowResult::Shown);
    EXPECT_EQ(view.appended, (QStringList{"a", "b"}));
    EXPECT_EQ(view.zoom, 1);
}

TEST_F(PagePresenterTest, AMissingTemplateIsNotLoaded) {
    PagePresenter presenter(view, dir.filePath("gone.html"));
    EXPECT_EQ(presenter.show({"a"}), ShowResult::TemplateMissing);
    EXPECT_EQ(view.loads, 0);
    EXPECT_TRUE(view.appended.isEmpty());
}

TEST_F(PagePresenterTest, AFailedLoadAppendsNothing) {
    view.loadSucceeds = false;
    PagePresenter presenter(view, templatePath);
    EXPECT_EQ(presenter.show({"a"}), ShowResult::LoadFailed);
    EXPECT_TRUE(view.appended.isEmpty());
}

TEST_F(PagePresenterTest, ANewerPageStartedDuringTheWaitWins) {
    PagePresenter presenter(view, templatePath);
    ShowResult newer{};
    view.duringLoad = [&] { newer = presenter.show({"new"}); };
    EXPECT_EQ(presenter.show({"old1", "old2"}), ShowResult::Superseded);
    EXPECT_EQ(newer, ShowResult::Shown);
    EXPECT_EQ(view.appended, (QStringList{"new"}));
}
