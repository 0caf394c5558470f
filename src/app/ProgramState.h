#pragma once

#include <QString>

namespace velkora {

// Values the windows share for the life of the process.
struct ProgramState {
    QString subjectName;        // kemu.mz of the bank
    QString updateInfoUrl;      // where the published data date is read from
    QString reportQuestionText; // stem of the question last shown for an error report
    QString reportQuestionId;   // its id
};

} // namespace velkora
