#include "search/HtmlText.h"

#include "search/HtmlCharacterReference.h"

#include <QByteArray>
#include <QSet>
#include <optional>

namespace velkora::html {

namespace {

bool isAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// The blanks that separate the parts of a tag.
bool isTagBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\f' || c == u'\r';
}

bool endsTagName(QChar c) {
    return isTagBlank(c) || c == u'/' || c == u'>';
}

// Tag names match without regard to the case of ASCII letters, and only of
// those: a name with other letters is no name of the lists below.
QByteArray tagName(QStringView name) {
    return name.toLatin1().toLower();
}

const QSet<QByteArray> &lineBreakingElements() {
    static const QSet<QByteArray> names = {
        "address", "blockquote", "br",    "caption", "center", "dd", "div", "dl", "dt",
        "h1",      "h2",         "h3",    "h4",      "h5",     "h6", "hr",  "li", "ol",
        "p",       "pre",        "table", "td",      "th",     "tr", "ul"};
    return names;
}

// Elements whose content is text up to their end tag rather than markup:
// shown on the page or not, with or without character references decoded.
struct RawTextElement {
    const char *name;
    bool shown;
    bool decodesReferences;
};
constexpr RawTextElement rawTextElements[] = {
    {"script", false, false}, {"style", false, false},   {"noscript", false, false},
    {"iframe", false, false}, {"noembed", false, false}, {"noframes", false, false},
    {"title", false, true},   {"textarea", true, true},  {"xmp", true, false},
};

const RawTextElement *rawTextElement(const QByteArray &name) {
    for (const RawTextElement &element : rawTextElements)
        if (name == element.name)
            return &element;
    return nullptr;
}

// Where a tag ends: after the ">" that closes it, past its attributes and
// their quoted values (which may hold a ">"); nothing when the markup ends
// first. `at` is just after the tag's name.
std::optional<qsizetype> tagEnd(QStringView markup, qsizetype at) {
    enum class State { BeforeAttribute, Name, AfterName, BeforeValue, QuotedValue, Value };
    State state = State::BeforeAttribute;
    QChar quote;
    for (; at < markup.size(); ++at) {
        const QChar c = markup[at];
        if (c == u'>' && state != State::QuotedValue)
            return at + 1;
        switch (state) {
        case State::BeforeAttribute: // also after a value and after a "/"
            if (!isTagBlank(c) && c != u'/')
                state = State::Name; // a "=" here starts a name
            break;
        case State::Name:
        case State::AfterName:
            if (c == u'=')
                state = State::BeforeValue;
            else if (c == u'/')
                state = State::BeforeAttribute;
            else if (isTagBlank(c))
                state = State::AfterName;
            else
                state = State::Name;
            break;
        case State::BeforeValue:
            if (c == u'"' || c == u'\'') {
                quote = c;
                state = State::QuotedValue;
            } else if (!isTagBlank(c)) {
                state = State::Value;
            }
            break;
        case State::QuotedValue:
            if (c == quote)
                state = State::BeforeAttribute;
            break;
        case State::Value:
            if (isTagBlank(c))
                state = State::BeforeAttribute;
            break;
        }
    }
    return std::nullopt;
}

class VisibleTextReader {
public:
    explicit VisibleTextReader(QStringView markup) : m_markup(markup) {}

    QString read() {
        m_text.reserve(m_markup.size());
        while (m_at < m_markup.size()) {
            qsizetype markupStart = m_markup.indexOf(u'<', m_at);
            if (markupStart < 0)
                markupStart = m_markup.size();
            appendText(m_markup.sliced(m_at, markupStart - m_at));
            m_at = markupStart;
            if (m_at < m_markup.size())
                readMarkup();
        }
        return m_text;
    }

private:
    // Text between tags: references decoded, NUL characters dropped as the
    // page drops them.
    void appendText(QStringView text) {
        for (qsizetype at = 0; at < text.size();) {
            qsizetype special = at;
            while (special < text.size() && text[special] != u'&' && !text[special].isNull())
                ++special;
            m_text += text.sliced(at, special - at);
            if (special == text.size())
                break;
            if (text[special].isNull()) {
                at = special + 1;
            } else if (const auto reference = readCharacterReference(text.sliced(special))) {
                m_text += reference->text;
                at = special + reference->length;
            } else {
                m_text += u'&';
                at = special + 1;
            }
        }
    }

    // At a "<": a tag, a comment, a declaration, or a "<" of the text.
    void readMarkup() {
        const QStringView rest = m_markup.sliced(m_at);
        const QChar next = rest.size() > 1 ? rest[1] : QChar();
        if (rest.size() > 1 && isAsciiLetter(next)) {
            readTag(m_at + 1, false);
        } else if (rest.startsWith(u"<!--")) {
            skipComment(m_at + 4);
        } else if (next == u'!' || next == u'?') {
            skipPast(u'>', m_at + 2); // a declaration or a bogus comment
        } else if (next == u'/' && rest.size() > 2) {
            if (isAsciiLetter(rest[2]))
                readTag(m_at + 2, true);
            else if (rest[2] == u'>')
                m_at += 3; // "</>" is nothing
            else
                skipPast(u'>', m_at + 2);
        } else {
            const qsizetype taken = next == u'/' ? 2 : 1; // "</" at the end is text
            m_text += rest.first(taken);
            m_at += taken;
        }
    }

    void skipPast(QChar c, qsizetype from) {
        const qsizetype found = m_markup.indexOf(c, from);
        m_at = found < 0 ? m_markup.size() : found + 1;
    }

    // A comment ends with its first "-->" or "--!>"; "<!-->" and "<!--->"
    // are whole comments.
    void skipComment(qsizetype from) {
        const QStringView body = m_markup.sliced(from);
        if (body.startsWith(u'>') || body.startsWith(u"->")) {
            m_at = from + body.indexOf(u'>') + 1;
            return;
        }
        qsizetype end = m_markup.size();
        if (const qsizetype close = body.indexOf(u"-->"); close >= 0)
            end = from + close + 3;
        if (const qsizetype close = body.indexOf(u"--!>"); close >= 0)
            end = std::min(end, from + close + 4);
        m_at = end;
    }

    // A tag whose name starts at `from`. A tag that the markup never closes
    // hides the rest of it.
    void readTag(qsizetype from, bool isEndTag) {
        qsizetype nameEnd = from;
        while (nameEnd < m_markup.size() && !endsTagName(m_markup[nameEnd]))
            ++nameEnd;
        const std::optional<qsizetype> end = tagEnd(m_markup, nameEnd);
        m_at = end.value_or(m_markup.size());
        if (!end)
            return;
        const QByteArray name = tagName(m_markup.sliced(from, nameEnd - from));
        if (lineBreakingElements().contains(name))
            m_text += u'\n';
        if (!isEndTag)
            if (const RawTextElement *element = rawTextElement(name))
                readRawText(*element, name);
    }

    // The content of a raw text element, up to its end tag (which is then
    // read as any tag) or the end of the markup.
    void readRawText(const RawTextElement &element, const QByteArray &name) {
        qsizetype contentEnd = m_markup.size();
        for (qsizetype at = m_markup.indexOf(u"</", m_at); at >= 0;
             at = m_markup.indexOf(u"</", at + 2)) {
            const qsizetype nameEnd = at + 2 + name.size();
            if (nameEnd < m_markup.size() && endsTagName(m_markup[nameEnd]) &&
                tagName(m_markup.sliced(at + 2, name.size())) == name) {
                contentEnd = at;
                break;
            }
        }
        const QStringView content = m_markup.sliced(m_at, contentEnd - m_at);
        if (element.shown && element.decodesReferences)
            appendText(content);
        else if (element.shown)
            m_text += content;
        m_at = contentEnd;
    }

    QStringView m_markup;
    qsizetype m_at = 0;
    QString m_text;
};

} // namespace

QString visibleText(QStringView markup) {
    return VisibleTextReader(markup).read();
}

} // namespace velkora::html
