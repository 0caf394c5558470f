#include "exam/session/AnswerRecorder.h"

#include "exam/paper/PaperQueries.h"
#include "grading/PageAnswers.h"
#include "store/Sql.h"

#include <QLoggingCategory>

namespace velkora {

Q_LOGGING_CATEGORY(lcAnswers, "velkora.exam")

namespace {

const QString storeGiven = QStringLiteral("UPDATE sj SET tjda = ? WHERE tid = ?");

QHash<QString, ControlState> controlsById(const QList<ControlState> &controls) {
    QHash<QString, ControlState> byId;
    byId.reserve(controls.size());
    for (const ControlState &state : controls) {
        if (!byId.contains(state.id)) // the first control of each id counts
            byId.insert(state.id, state);
    }
    return byId;
}

} // namespace

SavedAnswer AnswerRecorder::save(ExamPaper &paper, const QString &tid,
                                 const QList<ControlState> &controls) const {
    SavedAnswer saved;
    saved.progress = {paper.answeredCount(), paper.size()};
    const PaperRow *row = paper.row(tid);
    if (!row)
        return saved;

    const QHash<QString, ControlState> byId = controlsById(controls);
    if (row->lx == lxCode(ExamClass::Matching)) {
        const std::optional<QString> stored = storeMatchingChoices(*row, byId);
        saved.letters = stored.value_or(row->given);
        if (stored)
            paper.setGiven(tid, *stored);
    } else {
        saved.letters = choiceLetters(*row, byId);
        if (!saved.letters.isEmpty()) {
            sql::run(m_db, storeGiven, {saved.letters, tid});
            paper.setGiven(tid, saved.letters);
        }
    }
    saved.button =
        ButtonColour{sheetButtonName(tid),
                     saved.letters.isEmpty() ? SheetColour::ActiveBorder : SheetColour::Blue};
    return saved;
}

QString AnswerRecorder::choiceLetters(const PaperRow &row,
                                      const QHash<QString, ControlState> &byId) const {
    QString letters;
    for (const ExamOption &option : PaperQueries(m_db).options(row.sourceId.toLongLong())) {
        const auto box = byId.constFind(option.id);
        if (box != byId.cend() && box->checked)
            letters += box->value;
    }
    return letters;
}

std::optional<QString>
AnswerRecorder::storeMatchingChoices(const PaperRow &row,
                                     const QHash<QString, ControlState> &byId) const {
    QList<std::pair<qint64, QString>> choices;
    for (const MatchingItem &item : PaperQueries(m_db).items(row.sourceId.toLongLong())) {
        const auto list = byId.constFind(QString::number(item.id));
        if (list == byId.cend()) {
            // The page does not show this group: storing would wipe its choices.
            qCWarning(lcAnswers) << "matching entry" << row.tid << "has no drop-down for item"
                                 << item.id << "on the page; its answers are kept";
            return std::nullopt;
        }
        choices.append({item.id, list->value == nothingChosen ? QString() : list->value});
    }

    QString letters;
    sql::inTransaction(m_db, [&] {
        for (const auto &[itemId, choice] : choices) {
            sql::run(m_db, QStringLiteral("UPDATE question SET lx = ? WHERE id = ?"),
                     {choice, itemId});
            letters.prepend(choice);
        }
        sql::run(m_db, storeGiven, {letters, row.tid});
    });
    return letters;
}

} // namespace velkora
