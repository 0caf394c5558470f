#include "exam/paper/ExamPaper.h"

#include "exam/paper/PaperQueries.h"

#include <algorithm>

namespace velkora {

ExamPaper ExamPaper::read(const QSqlDatabase &db) {
    return ExamPaper(PaperQueries(db).rows());
}

int ExamPaper::indexOf(const QString &tid) const {
    const auto it = std::find_if(m_rows.cbegin(), m_rows.cend(),
                                 [&](const PaperRow &row) { return row.tid == tid; });
    return it == m_rows.cend() ? -1 : int(it - m_rows.cbegin());
}

const PaperRow *ExamPaper::row(const QString &tid) const {
    const int index = indexOf(tid);
    return index < 0 ? nullptr : &m_rows[index];
}

int ExamPaper::answeredCount() const {
    return int(std::count_if(m_rows.cbegin(), m_rows.cend(),
                             [](const PaperRow &row) { return !row.given.isEmpty(); }));
}

bool ExamPaper::hasUnanswered(const QString &lx) const {
    return std::any_of(m_rows.cbegin(), m_rows.cend(),
                       [&](const PaperRow &row) { return row.lx == lx && row.given.isEmpty(); });
}

bool ExamPaper::hasAnswered(const QString &lx) const {
    return std::any_of(m_rows.cbegin(), m_rows.cend(),
                       [&](const PaperRow &row) { return row.lx == lx && !row.given.isEmpty(); });
}

void ExamPaper::setGiven(const QString &tid, const QString &letters) {
    const int index = indexOf(tid);
    if (index >= 0)
        m_rows[index].given = letters;
}

} // namespace velkora
