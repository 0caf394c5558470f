#pragma once

#include "exam/session/ExamCountdown.h"

namespace velkora::test {

// A countdown ticker the test ticks by hand.
class HandTicker : public Ticker {
public:
    void start() override { running = true; }
    void stop() override { running = false; }
    void tick() { emit ticked(); }

    bool running = false;
};

} // namespace velkora::test
