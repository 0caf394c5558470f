#include "exam/paper/ExamSettings.h"

#include "store/Sql.h"
#include "store/StoreError.h"

#include <QList>
#include <algorithm>

namespace velkora {

namespace {

constexpr qsizetype rowCount = std::tuple_size_v<PaperCounts>;

QList<qint64> settingsRowIds(const QSqlDatabase &db) {
    QSqlQuery query = sql::run(db, QStringLiteral("SELECT rowid FROM ts ORDER BY rowid"));
    QList<qint64> ids;
    while (query.next() && ids.size() < rowCount)
        ids.append(query.value(0).toLongLong());
    return ids;
}

bool isDigits(const QString &text) {
    return !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
}

// Any run of digits, however long, compares correctly against the limit.
bool exceedsLimit(const QString &digits) {
    bool fits = false;
    const qulonglong value = digits.toULongLong(&fits);
    return !fits || value > qulonglong(ExamSettings::maximumCount);
}

} // namespace

PaperCounts ExamSettings::load() const {
    PaperCounts counts;
    QSqlQuery query = sql::run(m_db, QStringLiteral("SELECT txs, fg FROM ts ORDER BY rowid"));
    for (qsizetype row = 0; row < rowCount && query.next(); ++row)
        counts[row] = sql::text(query, row == 0 ? "fg" : "txs");
    return counts;
}

ExamSettings::Verdict ExamSettings::check(const PaperCounts &counts) {
    if (!std::all_of(counts.cbegin(), counts.cend(), isDigits))
        return Verdict::FieldMissing;
    if (std::any_of(counts.cbegin(), counts.cend(), exceedsLimit))
        return Verdict::OverLimit;
    // Text, not value: "00" is a paper count the learner may keep.
    const QString zero = QStringLiteral("0");
    if (counts[0] == zero && counts[1] == zero && counts[2] == zero)
        return Verdict::NoChoiceParts;
    return Verdict::Saved;
}

ExamSettings::Verdict ExamSettings::save(const PaperCounts &counts) {
    const Verdict verdict = check(counts);
    if (verdict != Verdict::Saved)
        return verdict;
    sql::inTransaction(m_db, [&] {
        const QList<qint64> ids = settingsRowIds(m_db);
        for (qsizetype row = 0; row < rowCount; ++row) {
            // Row 1 keeps the learner's own single-choice count beside its
            // count; the other rows keep whatever `fg` they hold.
            const QVariant own = row == 0 ? QVariant(counts[0]) : QVariant();
            if (row < ids.size())
                sql::run(
                    m_db,
                    QStringLiteral("UPDATE ts SET txs = ?, fg = coalesce(?, fg) WHERE rowid = ?"),
                    {counts[row], own, ids[row]});
            else // a bank short of its four rows still keeps what the learner set
                sql::run(m_db, QStringLiteral("INSERT INTO ts (txs, fg) VALUES (?, ?)"),
                         {counts[row], own});
        }
    });
    return Verdict::Saved;
}

QString ExamSettings::message(Verdict verdict) {
    switch (verdict) {
    case Verdict::Saved:
        return QStringLiteral("设置成功！");
    case Verdict::OverLimit:
        return QStringLiteral("请仔细看下边的温馨提示，谢谢！");
    case Verdict::FieldMissing:
    case Verdict::NoChoiceParts:
        break;
    }
    return QStringLiteral("设置错误！");
}

void ExamSettings::applyTitleLevel(TitleLevel level) {
    const QList<qint64> ids = settingsRowIds(m_db);
    if (ids.isEmpty())
        throw StoreError(QStringLiteral("ts"), QStringLiteral("the settings table has no rows"));
    if (level == TitleLevel::AssociateSenior)
        sql::run(m_db, QStringLiteral("UPDATE ts SET txs = fg WHERE rowid = ?"), {ids[0]});
    else
        sql::run(m_db, QStringLiteral("UPDATE ts SET txs = ? WHERE rowid = ?"),
                 {QStringLiteral("0"), ids[0]});
}

} // namespace velkora
