#pragma once

#include <QString>
#include <functional>

namespace velkora {

class BankWriter;

// Writes a new bank file at `path`: every table, then what `fill` adds, in
// one transaction. Throws StoreError when the file cannot be made or filled.
// The bank generator, the tests and the benchmarks all make banks this way.
void writeBankFile(const QString &path, const std::function<void(BankWriter &)> &fill = {});

} // namespace velkora
