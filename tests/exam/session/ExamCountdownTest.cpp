#include "exam/session/ExamCountdown.h"
#include "exam/HandTicker.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace velkora::test {
namespace {

struct CountdownTest : ::testing::Test {
    HandTicker *ticker = new HandTicker;
    ExamCountdown countdown{ticker};
};

TEST_F(CountdownTest, NinetyTicksReachZeroAndItStaysThere) {
    QSignalSpy changes(&countdown, &ExamCountdown::minutesChanged);
    EXPECT_EQ(countdown.label(), "90");
    countdown.start();
    EXPECT_TRUE(ticker->running);

    for (int i = 0; i < 89; ++i)
        ticker->tick();
    EXPECT_EQ(countdown.label(), "1");
    EXPECT_TRUE(ticker->running);

    ticker->tick();
    EXPECT_EQ(countdown.label(), "0");
    EXPECT_FALSE(ticker->running);
    ticker->tick();
    EXPECT_EQ(countdown.label(), "0");
    EXPECT_EQ(changes.size(), 90);
    EXPECT_EQ(changes.last().first().toString(), "0");
}

TEST_F(CountdownTest, StoppedForSubmissionItCountsNoMore) {
    countdown.start();
    ticker->tick();
    countdown.stop();

    ticker->tick();

    EXPECT_EQ(countdown.label(), "89");
    EXPECT_FALSE(countdown.isRunning());
}

TEST(TimerTicker, TicksOnItsTimer) {
    TimerTicker ticker(5);
    QSignalSpy ticks(&ticker, &Ticker::ticked);
    ticker.start();
    EXPECT_TRUE(ticks.wait(1000));
    ticker.stop();
}

} // namespace
} // namespace velkora::test
