#pragma once

#include <QSqlDatabase>
#include <QString>

namespace velkora {

// Carries what the learner made of a bank into a newer bank of the same
// subject, matching questions by id:
//   - the learner's columns of `question` (favourite, wrong-question and
//     last-grading flags) and of `tree` (the two chapter flags);
//   - the exam settings `ts` and the last grading's scores `fenshu`, whole;
//   - the last exam paper `sj` with the letters its matching groups keep in
//     `question.lx`, but only when every question and group it names is
//     still in the new bank (otherwise the new bank starts without one);
//   - every table of the program's own (`velkora_*`: the study log, and
//     whatever later versions keep), made in the new bank as the learner's
//     bank has it, rows with a `question_id` the new bank lacks left out.
// The full-text index (`velkora_search*`) is not carried: it is built anew
// from the new content on the first search.
//
// What the learner kept of questions the new bank no longer has is dropped:
// they cannot be shown, practised or drawn any more.
class RecordCarrier {
public:
    // `into` is an open connection to the new bank; `learnerBankPath` is
    // only read. One transaction: on failure (StoreError is thrown) the new
    // bank is left as it was.
    static void carry(const QSqlDatabase &into, const QString &learnerBankPath);
};

} // namespace velkora
