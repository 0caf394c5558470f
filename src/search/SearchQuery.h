#pragma once

#include <QString>
#include <QStringList>

namespace velkora {

// Letter case as searching ignores it, alike for words of any length:
// Unicode case folding ("Ⅱ" and "ⅱ", "DNA" and "dna" are the same). The
// index holds its texts folded, and terms are looked for folded.
inline QString foldedCase(const QString &text) {
    return text.toCaseFolded();
}

// What the learner typed into the search field, as terms that a question
// must all contain. Blanks and control characters (a pasted NUL, a tab)
// separate terms; everything else is taken literally: quotes, FTS
// operators, `%` and `_` are plain characters. Terms of three characters or
// more can use the trigram index; shorter ones (矽肺, 铅) are found by a scan.
class SearchQuery {
public:
    // At most this many characters of the text are searched, and at most
    // `maxTerms` terms: a pasted page still searches, for its beginning.
    static constexpr int maxCharacters = 200;
    static constexpr int maxTerms = 8;

    explicit SearchQuery(const QString &text);

    bool isEmpty() const { return m_terms.isEmpty(); }
    // The text searched, blanks between terms made single.
    QString text() const { return m_terms.join(QLatin1Char(' ')); }
    const QStringList &terms() const { return m_terms; }
    // The terms as they are looked for: case folded.
    QStringList indexedTerms() const; // three characters or more
    QStringList scannedTerms() const; // one or two characters
    // The FTS5 expression for the indexed terms: each a quoted phrase, all
    // of them required. Empty when there is none.
    QString matchExpression() const;

private:
    QStringList m_terms;
};

} // namespace velkora
