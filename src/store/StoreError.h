#pragma once

#include <QString>
#include <stdexcept>

namespace velkora {

// A statement on the question bank failed. Carries the statement and the
// driver's text so that whoever swallows it can still log what happened.
class StoreError : public std::runtime_error {
public:
    StoreError(const QString &statement, const QString &driverText)
        : std::runtime_error((statement + QStringLiteral(": ") + driverText).toStdString()),
          m_statement(statement), m_driverText(driverText) {}

    QString statement() const { return m_statement; }
    QString driverText() const { return m_driverText; }
    QString message() const { return QString::fromStdString(what()); }

private:
    QString m_statement;
    QString m_driverText;
};

} // namespace velkora
