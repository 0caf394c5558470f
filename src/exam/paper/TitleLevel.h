#pragma once

#include <QString>

namespace velkora {

// The title level a candidate sits the exam for, chosen on the candidate card
// ("选择职称"). A senior paper has no single-choice part; an associate senior
// paper (the default) takes the single-choice count the learner saved.
enum class TitleLevel { Senior, AssociateSenior };

// The parts of the level's paper, told (titled "试卷描述") before it is drawn.
inline QString paperDescription(TitleLevel level) {
    return level == TitleLevel::AssociateSenior
               ? QStringLiteral("第一部分单选题，第二部分是多选题，第三部分是阅读案例分析题，"
                                "第四部分是配伍选择题")
               : QStringLiteral("第一部分是多选题，第二部分是阅读案例分析题");
}

} // namespace velkora
