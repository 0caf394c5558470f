#pragma once

#include <QString>
#include <QStringList>

namespace velkora {

// The question a report is about, as the error-report window shows it: the
// bare question of its group, numbered from 1, with its answer visible and
// no buttons; and what the report says of it.
struct ReportPreview {
    QStringList fragments;
    QString questionText; // the stem as stored; empty when there is no such question
    QString questionId;
    QString subject; // the bank's subject
};

} // namespace velkora
