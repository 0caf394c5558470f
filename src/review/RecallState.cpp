#include "review/RecallState.h"

#include <algorithm>
#include <cmath>

namespace velkora {

namespace {
constexpr int rightGrade = 4;
constexpr int wrongGrade = 1;
constexpr int firstInterval = 1;
constexpr int secondInterval = 6;

double easinessAfter(double easiness, int grade) {
    const int miss = 5 - grade;
    return std::max(RecallState::lowestEasiness, easiness + (0.1 - miss * (0.08 + miss * 0.02)));
}
} // namespace

RecallState RecallState::after(bool right) const {
    RecallState next;
    next.easiness = easinessAfter(easiness, right ? rightGrade : wrongGrade);
    if (!right) {
        next.intervalDays = firstInterval;
        return next;
    }
    next.repetitions = repetitions + 1;
    // The interval that ran out was set with the E-Factor the question had
    // before this answer; the answer's grade changes it for the next one.
    if (next.repetitions == 1)
        next.intervalDays = firstInterval;
    else if (next.repetitions == 2)
        next.intervalDays = secondInterval;
    else // a product that is whole but for the last bits of a double stays whole
        next.intervalDays = int(std::ceil(intervalDays * easiness - 1e-9));
    return next;
}

} // namespace velkora
