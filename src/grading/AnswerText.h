#pragma once

#include <QString>

namespace velkora {

// The learner's answer and the bank's key are compared as texts: blanks and
// control characters around them do not count, everything else does,
// letter case included.
QString cleanedAnswer(const QString &answer);
bool answersMatch(const QString &expected, const QString &given);

} // namespace velkora
