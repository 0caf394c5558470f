#pragma once

#include <QString>

namespace velkora {

class BankWriter;

// Reads the demo bank's source (bank.json and its part files) into a bank.
// Returns an empty text on success, else what is wrong with the source.
QString importBankSource(const QString &sourceDir, BankWriter &writer);

} // namespace velkora
