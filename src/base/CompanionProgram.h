#pragma once

#include "base/ProgramFolder.h"

#include <QString>

namespace velkora {

// Starts the program `name` that comes with this one in its program folder
// (the calculator, the updater), in that folder and without waiting for
// it. A program that is missing, not executable or does not start is
// logged; returns whether it started.
bool startCompanionProgram(const ProgramFolder &folder, const QString &name);

} // namespace velkora
