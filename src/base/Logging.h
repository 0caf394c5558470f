#pragma once

#include <QString>

namespace velkora {

// Sends Qt's log to stderr and appends it to a log file in the user's data
// folder, so that failures the learner is not told about can still be traced.
// Returns the log file's path.
QString installLogging();

} // namespace velkora
