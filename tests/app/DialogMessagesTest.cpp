#include "app/DialogMessages.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

using namespace velkora;

namespace {

// Answers the next message box with OK; the pointer then holds its parent.
std::shared_ptr<QPointer<QWidget>> answerNextBox() {
    auto parent = std::make_shared<QPointer<QWidget>>();
    QTimer::singleShot(0, [parent] {
        QTest::qWaitFor(
            [] { return qobject_cast<QMessageBox *>(QApplication::activeModalWidget()); }, 2000);
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            *parent = box->parentWidget();
            box->accept();
        }
    });
    return parent;
}

} // namespace

TEST(DialogMessages, AMessageStandsOverTheWindowTheLearnerWorksIn) {
    QWidget main;
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    DialogMessages messages(&main);
    const auto first = answerNextBox();
    messages.inform("题库已恢复");
    EXPECT_EQ(first->data(), &main);

    // With a modal window of the program up, the message belongs to it.
    QDialog exam(&main);
    QTimer::singleShot(0, &exam, [&] {
        const auto inner = answerNextBox();
        messages.show("请答完您所答的题型，才允许做您选择的题型", "提示");
        EXPECT_EQ(inner->data(), &exam);
        exam.accept();
    });
    exam.exec();
}
