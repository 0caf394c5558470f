#pragma once

#include <QDateTime>
#include <functional>

namespace velkora {

// The time the learner's history is stamped with; tests pass a fixed one.
using WallClock = std::function<QDateTime()>;

inline QDateTime systemTime() {
    return QDateTime::currentDateTime();
}

} // namespace velkora
