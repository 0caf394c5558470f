#include "base/RatePercent.h"

#include <QtGlobal>
#include <cstdlib>

namespace velkora {

int ratePercent(int correct, int questions) {
    if (questions == 0)
        return 0;
    // round(100 * correct / questions), half away from zero.
    const qint64 numerator = qint64(correct) * 100;
    const qint64 denominator = questions;
    const qint64 magnitude =
        (2 * std::llabs(numerator) + std::llabs(denominator)) / (2 * std::llabs(denominator));
    return int((numerator < 0) != (denominator < 0) ? -magnitude : magnitude);
}

} // namespace velkora
