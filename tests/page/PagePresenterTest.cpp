#include "page/PagePresenter.h"
#include "support/FakePageView.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace velkora;
using velkora::test::FakePageView;

namespace {

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
    FakePageView view;
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
