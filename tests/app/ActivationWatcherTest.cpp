#include "app/ActivationWatcher.h"

#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

using namespace velkora;

namespace {

bool focusOn(QWidget &widget) {
    widget.activateWindow();
    return QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == widget.windowHandle(); },
                           2000);
}

} // namespace

TEST(ActivationWatcher, OnlyAWindowThatWentAwayMakesTheMainWindowActiveAgain) {
    QWidget main, report;
    main.show();
    ASSERT_TRUE(focusOn(main));
    ActivationWatcher watcher(&main);
    QSignalSpy again(&watcher, &ActivationWatcher::activatedAgain);

    report.show();
    ASSERT_TRUE(focusOn(report));
    // Clicking the main window while the report stays open, back and forth.
    ASSERT_TRUE(focusOn(main));
    ASSERT_TRUE(focusOn(report));
    ASSERT_TRUE(focusOn(main));
    EXPECT_EQ(again.count(), 0);

    ASSERT_TRUE(focusOn(report));
    report.hide();
    ASSERT_TRUE(focusOn(main));
    EXPECT_EQ(again.count(), 1);

    // A message box that was closed: deleted before the focus comes back.
    auto *box = new QWidget;
    box->show();
    ASSERT_TRUE(focusOn(*box));
    delete box;
    ASSERT_TRUE(focusOn(main));
    EXPECT_EQ(again.count(), 2);
}
