#include "exam/paper/PaperDraw.h"

#include "exam/paper/RandomSource.h"
#include "store/Sql.h"

#include <QSet>
#include <limits>

namespace velkora {

namespace {

// The candidate cursor: moves forward, stopping on the last candidate with
// the end mark set when a move would pass it.
class Cursor {
public:
    explicit Cursor(int size) : m_last(size - 1), m_ended(size == 0) {}

    void forward(int steps) {
        if (m_position + steps > m_last) {
            m_position = m_last;
            m_ended = true;
        } else {
            m_position += steps;
        }
    }
    int position() const { return m_position; }
    bool ended() const { return m_ended; }

private:
    int m_last;
    int m_position = 0;
    bool m_ended;
};

bool drawsQuestions(ExamClass kind) {
    return kind == ExamClass::Single || kind == ExamClass::Multiple;
}

// The candidates of a kind in row order: the questions of its tag, or the
// groups of its type. Found through the index on that column, and only the
// drawn ones are fetched, each from where the one before was found.
class Candidates {
public:
    Candidates(const QSqlDatabase &db, ExamClass kind)
        : m_db(db), m_rows(drawsQuestions(kind) ? QStringLiteral(" FROM question WHERE lx=?")
                                                : QStringLiteral(" FROM readtext WHERE qtypeid=?")),
          m_key(drawsQuestions(kind) ? QVariant(lxCode(kind))
                                     : QVariant(examTypeIds(kind).constFirst())) {}

    int count() const {
        QSqlQuery q = sql::run(m_db, QStringLiteral("SELECT count(*)") + m_rows, {m_key});
        return q.next() ? q.value(0).toInt() : 0;
    }

    // The ids at `positions`, which increase.
    QList<qint64> idsAt(const QList<int> &positions) const {
        const QString statement = QStringLiteral("SELECT rowid, id") + m_rows +
                                  QStringLiteral(" AND rowid>? ORDER BY rowid LIMIT 1 OFFSET ?");
        QList<qint64> ids;
        qint64 lastRow = std::numeric_limits<qint64>::min();
        int nextPosition = 0;
        for (int position : positions) {
            QSqlQuery q = sql::run(m_db, statement, {m_key, lastRow, position - nextPosition});
            if (!q.next())
                break;
            lastRow = q.value(0).toLongLong();
            ids << q.value(1).toLongLong();
            nextPosition = position + 1;
        }
        return ids;
    }

private:
    QSqlDatabase m_db;
    QString m_rows;
    QVariant m_key;
};

} // namespace

QList<int> drawPositions(int candidates, int count, int quota, int firstNumber,
                         RandomSource &random) {
    QList<int> picks;
    QSet<int> taken;
    const int stride = count > 0 ? candidates / count : 0;
    Cursor cursor(candidates);
    while (!cursor.ended()) {
        const int number = firstNumber + int(picks.size());
        const int offset = stride > 1 ? random.below(stride) : 0;
        if (!(number == 1 && offset == 0))
            cursor.forward(offset + 1);
        if (number > quota) {
            cursor.forward(1);
        } else if (!taken.contains(cursor.position())) {
            taken.insert(cursor.position());
            picks.append(cursor.position());
        }
        if (stride - offset - 2 > 0)
            cursor.forward(stride - offset - 2);
    }
    return picks;
}

PaperDraw::PaperDraw(const QSqlDatabase &db, RandomSource &random) : m_db(db), m_random(random) {}

QList<PaperRow> PaperDraw::draw(const ExamCounts &counts) {
    QList<PaperRow> paper;
    int number = 1;
    int quota = 0;
    for (ExamClass kind : examClasses) {
        const int count = counts[examPosition(kind) - 1];
        if (count == 0)
            continue;
        quota += count;
        const Candidates candidates(m_db, kind);
        const QList<int> positions =
            drawPositions(candidates.count(), count, quota, number, m_random);
        for (qint64 id : candidates.idsAt(positions))
            paper << rowsOf(kind, id, number++);
    }
    return paper;
}

QList<PaperRow> PaperDraw::rowsOf(ExamClass kind, qint64 candidateId, int number) const {
    const QString lx = lxCode(kind);
    const QString tid = QString::number(number);
    if (drawsQuestions(kind)) {
        QSqlQuery q = sql::run(
            m_db, QStringLiteral("SELECT content, answer, picurl FROM question WHERE id=?"),
            {candidateId});
        if (!q.next())
            return {};
        return {PaperRow{.tid = tid,
                         .lx = lx,
                         .stem = sql::text(q, "content"),
                         .sourceId = QString::number(candidateId),
                         .answer = sql::text(q, "answer"),
                         .picture = sql::text(q, "picurl")}};
    }
    QSqlQuery group = sql::run(
        m_db, QStringLiteral("SELECT content, opnum FROM readtext WHERE id=?"), {candidateId});
    if (!group.next())
        return {};
    const QString groupText = sql::text(group, "content");
    if (kind == ExamClass::Matching) {
        return {PaperRow{.tid = tid,
                         .lx = lx,
                         .sourceId = QString::number(candidateId),
                         .groupText = groupText,
                         .optionCount = sql::text(group, "opnum")}};
    }
    QList<PaperRow> rows;
    QSqlQuery items = sql::run(m_db,
                               QStringLiteral("SELECT id, content, answer, itemnum FROM question "
                                              "WHERE readtextid=? ORDER BY rowid"),
                               {candidateId});
    while (items.next()) {
        rows << PaperRow{.tid = tid + QLatin1Char('.') + sql::text(items, "itemnum"),
                         .lx = lx,
                         .stem = sql::text(items, "content"),
                         .sourceId = sql::text(items, "id"),
                         .answer = sql::text(items, "answer"),
                         .groupText = groupText};
    }
    return rows;
}

} // namespace velkora
