#include "app/DialogMessages.h"
#include "support/ModalWindows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
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
        if (auto *box = test::nextModalWindow<QMessageBox>()) {
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

TEST(DialogMessages, BoxesSpeakChinese) {
    DialogMessages messages;
    const QRegularExpression mnemonic(QStringLiteral("\\(&\\w\\)|&"));
    QStringList buttons;
    const auto readButtonsAndAnswer = [&] {
        QTimer::singleShot(0, [&] {
            if (auto *box = test::nextModalWindow<QMessageBox>()) {
                for (QAbstractButton *button : box->buttons())
                    buttons << button->text().remove(mnemonic); // 是(&Y)
                box->reject();
            }
        });
    };
    readButtonsAndAnswer();
    messages.inform("题库已恢复");
    readButtonsAndAnswer();
    messages.ask("您是否把这次的错题放到错题题库中？", "提示", Messages::Choice::YesNo);
    readButtonsAndAnswer();
    messages.ask("确定退出系统？", "提示", Messages::Choice::OkCancel);
    buttons.sort();
    QStringList expected{"确定", "是", "否", "确定", "取消"};
    expected.sort();
    EXPECT_EQ(buttons.join(' ').toStdString(), expected.join(' ').toStdString());
}

TEST(DialogMessages, TheInterfaceShowsTheSansSerifFaceOfTheProgramOnEveryMachine) {
    QLabel label("基础知识");
    EXPECT_EQ(QFontInfo(label.font()).family(), "Noto Sans CJK SC");
}
