#include "app/ProgramCommands.h"
#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

using namespace velkora;
using namespace velkora::test;

namespace {

class ProgramCommandsTest : public MainWindowFixture {
protected:
    // Runs a toolbar command and returns the object name of the modal
    // window it opened, which is closed again.
    QString windowOpenedBy(const char *action) {
        QString opened;
        QTimer::singleShot(0, window.get(), [&] {
            QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }, 3000);
            if (QWidget *modal = QApplication::activeModalWidget()) {
                opened = modal->objectName();
                modal->close();
            }
        });
        trigger(action);
        return opened;
    }
};

} // namespace

TEST_F(ProgramCommandsTest, TheToolbarOpensTheWindowsOfItsCommands) {
    bank.addChapterPath();
    start();
    ProgramCommands commands(*window, *folder, bank.connection(), program, config, messages);
    EXPECT_EQ(windowOpenedBy("NewImage6"), "TForm6"); // the exam starts with its settings
    EXPECT_EQ(windowOpenedBy("cssz"), "TForm6");
    EXPECT_EQ(windowOpenedBy("NewImage4"), "TForm13");
    EXPECT_EQ(windowOpenedBy("NewImage2"), "TForm14");
    EXPECT_TRUE(messages.shown.isEmpty());
}
