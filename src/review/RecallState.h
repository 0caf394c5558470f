#pragma once

namespace velkora {

// Where a question stands in the daily review, by SM-2: the algorithm of
// SuperMemo 2 as Wozniak described it in 1987. It was chosen over newer
// ones because its whole state is three numbers, its intervals are whole
// days, and a right or wrong answer maps onto its grades without any
// fitting to the learner's history:
// - right is grade 4, "correct response after a hesitation": a chapter page
//   cannot tell an easy answer from a hard one, and 4 leaves the E-Factor
//   as it is, so only forgetting makes a question come back more often;
// - wrong (or a wrong choice) is grade 1, "incorrect response; the correct
//   one remembered": the score report shows every answer right after.
struct RecallState {
    static constexpr double startEasiness = 2.5;
    static constexpr double lowestEasiness = 1.3;

    int repetitions = 0;             // right answers in a row
    double easiness = startEasiness; // the E-Factor
    int intervalDays = 0;            // from the latest answer to the next review

    // The state after one more answer. Right: 1 day after the first, 6 after
    // the second, then the last interval times the E-Factor, a fraction
    // rounded up. Wrong: the E-Factor drops (never below 1.3) and the
    // repetitions start over, so the question comes back the next day.
    RecallState after(bool right) const;
};

} // namespace velkora
