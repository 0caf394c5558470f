#include "exam/session/KeyReleaseFilter.h"
#include "page/WebPageView.h"

#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace velkora::test {
namespace {

// A window with a line edit and a page view, one of which holds the focus.
class KeyReleaseFilterTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(edit);
        layout->addWidget(view);
        window.resize(640, 480);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window, 5000));
        filter.install();
    }

    // Releases the key through the window system, as a keyboard would.
    void release(Qt::Key key) { QTest::keyRelease(window.windowHandle(), key); }
    void click(Qt::Key key) { QTest::keyClick(window.windowHandle(), key); }

    QStringList reported() const {
        QStringList letters;
        for (const QList<QVariant> &signal : spy)
            letters << signal.first().toString();
        return letters;
    }

    QWidget window;
    QLineEdit *edit = new QLineEdit;
    WebPageView *view = new WebPageView;
    KeyReleaseFilter filter;
    QSignalSpy spy{&filter, &KeyReleaseFilter::optionKeyReleased};
};

TEST_F(KeyReleaseFilterTest, OptionLettersAreReportedOnceAndOtherKeysNot) {
    edit->setFocus();

    for (Qt::Key key : {Qt::Key_B, Qt::Key_I, Qt::Key_Left, Qt::Key_Right, Qt::Key_Return,
                        Qt::Key_A, Qt::Key_H, Qt::Key_Z})
        release(key);

    EXPECT_EQ(reported(), (QStringList{"B", "A", "H"}));
}

TEST_F(KeyReleaseFilterTest, KeysStillReachTheFocusedWidget) {
    edit->setFocus();

    click(Qt::Key_C);

    EXPECT_EQ(edit->text(), "c");
    EXPECT_EQ(reported(), QStringList{"C"});
}

TEST_F(KeyReleaseFilterTest, SeesKeysWhileThePageViewHasTheFocus) {
    QTemporaryDir dir;
    const QString page = dir.filePath("keys.html");
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><body><script>window.released = '';"
               "document.addEventListener('keyup', e => window.released += e.key);"
               "</script></body></html>");
    file.close();
    ASSERT_TRUE(view->load(page));
    view->setFocus();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return view->focusProxy() && view->focusProxy()->hasFocus(); }, 5000));

    click(Qt::Key_B);
    click(Qt::Key_I);
    click(Qt::Key_Right);

    EXPECT_EQ(reported(), QStringList{"B"});
    // The page gets every key, untouched.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return view->evaluate("window.released").toString() == "biArrowRight"; }, 5000))
        << view->evaluate("window.released").toString().toStdString();
}

TEST_F(KeyReleaseFilterTest, NothingIsReportedWhileSuspendedOrRemoved) {
    edit->setFocus();
    {
        KeyReleaseFilter::Suspension message(filter);
        release(Qt::Key_B);
    }
    release(Qt::Key_C);
    EXPECT_EQ(reported(), QStringList{"C"});

    filter.remove();
    filter.install(); // registered once for this window: no second registration
    release(Qt::Key_D);
    EXPECT_FALSE(filter.isWatching());
    EXPECT_EQ(filter.useCount(), 1);

    filter.release(); // the window closed
    filter.install();
    release(Qt::Key_E);
    EXPECT_EQ(reported(), (QStringList{"C", "E"}));
}

TEST(KeyNames, LettersAndArrowsHaveNames) {
    EXPECT_EQ(KeyReleaseFilter::keyName(Qt::Key_A), "a");
    EXPECT_EQ(KeyReleaseFilter::keyName(Qt::Key_Z), "z");
    EXPECT_EQ(KeyReleaseFilter::keyName(Qt::Key_Left), "1");
    EXPECT_EQ(KeyReleaseFilter::keyName(Qt::Key_Right), "2");
    EXPECT_EQ(KeyReleaseFilter::keyName(Qt::Key_Up), "");
    EXPECT_EQ(KeyReleaseFilter::keyName(Qt::Key_5), "");
}

} // namespace
} // namespace velkora::test
