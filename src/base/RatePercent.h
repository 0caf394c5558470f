#pragma once

namespace velkora {

// Share of correct answers in percent: correct / questions rounded to two
// decimals, half away from zero, times 100; 0 when there are no questions.
// Exact: worked in integers, never in binary fractions. Every rate the
// learner reads (score report, exam result, statistics) is this one.
int ratePercent(int correct, int questions);

} // namespace velkora
