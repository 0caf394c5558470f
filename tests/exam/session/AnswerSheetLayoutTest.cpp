#include "exam/session/AnswerSheetLayout.h"

#include <gtest/gtest.h>

using namespace velkora;

TEST(AnswerSheetLayout, OneKindInRowsOfSixUnderItsHeading) {
    const AnswerSheet sheet = layOutAnswerSheet({10, 0, 0, 0}, {});

    ASSERT_EQ(sheet.headings.size(), 1);
    EXPECT_EQ(sheet.headings[0].text, "单项选择题:");
    EXPECT_EQ(sheet.headings[0].geometry, QRect(30, 65, 200, 23));
    ASSERT_EQ(sheet.buttons.size(), 10);
    for (int i = 0; i < 10; ++i) {
        const SheetButton &button = sheet.buttons[i];
        EXPECT_EQ(button.caption, QString::number(i + 1));
        EXPECT_EQ(button.name, "a" + QString::number(i + 1));
        const int column = i % 6;
        const int top = i < 6 ? 85 : 115; // the second row: one more row and 5 more gap
        EXPECT_EQ(button.geometry, QRect(column * 35 + 10, top, 28, 23)) << i;
    }
}

TEST(AnswerSheetLayout, SkippedKindsLeaveNoGapAndNumberingFollowsTheCounts) {
    // Two cases drawn with three questions; matching numbered after the case count.
    const AnswerSheet sheet = layOutAnswerSheet({5, 0, 2, 2}, {"6.1", "6.2", "7.1"});

    ASSERT_EQ(sheet.headings.size(), 3);
    EXPECT_EQ(sheet.headings[1].text, "阅读案例分析题:");
    EXPECT_EQ(sheet.headings[1].geometry.top(), 115);
    EXPECT_EQ(sheet.headings[2].text, "配伍选择题:");
    EXPECT_EQ(sheet.headings[2].geometry.top(), 165);

    ASSERT_EQ(sheet.buttons.size(), 10);
    EXPECT_EQ(sheet.buttons[5].name, "a6f1");
    EXPECT_EQ(sheet.buttons[5].caption, "6.1");
    EXPECT_EQ(sheet.buttons[7].geometry, QRect(80, 135, 30, 23));
    EXPECT_EQ(sheet.buttons[8].name, "a8");
    EXPECT_EQ(sheet.buttons[9].name, "a9");
    EXPECT_EQ(sheet.buttons[9].geometry, QRect(45, 185, 28, 23));
    EXPECT_EQ(sheet.buttons[9].kind, ExamClass::Matching);
}

TEST(AnswerSheetLayout, ACaseKindWithoutRowsHasItsHeadingOnly) {
    const AnswerSheet sheet = layOutAnswerSheet({0, 0, 3, 0}, {});
    EXPECT_EQ(sheet.headings.size(), 1);
    EXPECT_TRUE(sheet.buttons.isEmpty());
    EXPECT_TRUE(layOutAnswerSheet({0, 0, 0, 0}, {}).headings.isEmpty());
}
