#include "app/ProgramCommands.h"
#include "support/MainWindowFixture.h"
#include "support/ModalWindows.h"

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
    QString windowOpenedBy(MainWindowCommand command) {
        QString opened;
        QTimer::singleShot(0, window.get(), [&] {
            if (QWidget *modal = nextModalWindow()) {
                opened = modal->objectName();
                modal->close();
            }
        });
        trigger(command);
        return opened;
    }
};

} // namespace

TEST_F(ProgramCommandsTest, TheToolbarOpensTheWindowsOfItsCommands) {
    bank.addChapterPath();
    start();
    EXPECT_EQ(windowOpenedBy(&MainWindowCommands::simulatedExam), "TForm6"); // settings first
    EXPECT_EQ(windowOpenedBy(&MainWindowCommands::examSettings), "TForm6");
    EXPECT_EQ(windowOpenedBy(&MainWindowCommands::backup), "TForm13");
    EXPECT_EQ(windowOpenedBy(&MainWindowCommands::restore), "TForm14");
    EXPECT_TRUE(messages.shown.isEmpty());
}
