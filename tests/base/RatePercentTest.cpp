#include "base/RatePercent.h"

#include <gtest/gtest.h>

using namespace velkora;

TEST(RatePercent, RoundsToWholePercentHalfAwayFromZeroExactly) {
    struct Case {
        int correct, questions, percent;
    };
    const Case cases[] = {{2, 3, 67}, {1, 6, 17},  {3, 3, 100}, {0, 5, 0},  {1, 3, 33},
                          {2, 7, 29}, {1, 4, 25},  {1, 8, 13},  {3, 8, 38}, {0, 0, 0},
                          {5, 0, 0},  {7, 200, 4}, {1, 200, 1}, {1, 400, 0}};
    for (const Case &c : cases)
        EXPECT_EQ(ratePercent(c.correct, c.questions), c.percent)
            << c.correct << " of " << c.questions;
}
