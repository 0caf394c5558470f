#pragma once

namespace velkora {

// The title level a candidate sits the exam for, chosen on the candidate card
// ("选择职称"). A senior paper has no single-choice part; an associate senior
// paper (the default) takes the single-choice count the learner saved.
enum class TitleLevel { Senior, AssociateSenior };

} // namespace velkora
