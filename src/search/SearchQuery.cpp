#include "search/SearchQuery.h"

#include <QRegularExpression>

namespace velkora {

namespace {

// Characters as the trigram tokenizer counts them: code points, so that an
// emoji is one character, not two.
qsizetype codePoints(const QString &text) {
    return text.toUcs4().size();
}

QString leadingCharacters(const QString &text, int count) {
    const QList<uint> points = text.toUcs4();
    if (points.size() <= count)
        return text;
    return QString::fromUcs4(reinterpret_cast<const char32_t *>(points.constData()), count);
}

} // namespace

SearchQuery::SearchQuery(const QString &text) {
    static const QRegularExpression separators(QStringLiteral("[\\s\\p{Cc}]+"));
    const QString searched = leadingCharacters(text, maxCharacters);
    for (const QString &term : searched.split(separators, Qt::SkipEmptyParts)) {
        if (m_terms.contains(term, Qt::CaseInsensitive))
            continue;
        m_terms.append(term);
        if (m_terms.size() == maxTerms)
            break;
    }
}

QStringList SearchQuery::indexedTerms() const {
    QStringList terms;
    for (const QString &term : m_terms)
        if (codePoints(term) >= 3)
            terms.append(foldedCase(term));
    return terms;
}

QStringList SearchQuery::scannedTerms() const {
    QStringList terms;
    for (const QString &term : m_terms)
        if (codePoints(term) < 3)
            terms.append(foldedCase(term));
    return terms;
}

QString SearchQuery::matchExpression() const {
    QStringList phrases;
    for (QString term : indexedTerms())
        phrases.append(QLatin1Char('"') + term.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
                       QLatin1Char('"'));
    return phrases.join(QLatin1Char(' '));
}

} // namespace velkora
