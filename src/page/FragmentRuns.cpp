#include "page/FragmentRuns.h"

#include "page/Fragments.h"

#include <QVarLengthArray>
#include <algorithm>

namespace velkora {

namespace {

bool isAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isAsciiAlnum(QChar c) {
    return isAsciiLetter(c) || (c >= u'0' && c <= u'9');
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\f' || c == u'\r';
}

// Tag names compare without regard to letter case.
bool sameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool oneOf(QStringView name, std::initializer_list<const char16_t *> names) {
    return std::any_of(names.begin(), names.end(),
                       [&](const char16_t *candidate) { return sameName(name, candidate); });
}

// Elements without content: nothing to close.
bool isVoid(QStringView name) {
    return oneOf(name, {u"area", u"br", u"embed", u"hr", u"img", u"image", u"input", u"keygen",
                        u"link", u"meta", u"param", u"source", u"track", u"wbr", u"base",
                        u"basefont", u"bgsound"});
}

// Table parts outside a table: the parser drops their tags in a body.
bool isDroppedTablePart(QStringView name) {
    return oneOf(
        name, {u"tr", u"td", u"th", u"tbody", u"thead", u"tfoot", u"caption", u"col", u"colgroup"});
}

// Elements that switch the parser into another mode, hold raw text, or
// carry state past their end: not followed here.
bool isBeyondThisScanner(QStringView name) {
    return oneOf(name, {u"script",  u"style",    u"textarea", u"title",     u"xmp",      u"iframe",
                        u"noembed", u"noframes", u"noscript", u"plaintext", u"template", u"table",
                        u"form",    u"frameset", u"frame",    u"head",      u"body",     u"html",
                        u"svg",     u"math",     u"object",   u"applet",    u"marquee"});
}

// Reads a tag from `at` (just after its name) to the character after its
// '>', skipping attributes with their quoted values; -1 when it never ends.
qsizetype endOfTag(QStringView html, qsizetype at) {
    const qsizetype n = html.size();
    while (at < n) {
        const QChar c = html[at];
        if (c == u'>')
            return at + 1;
        if (isBlank(c) || c == u'/') {
            ++at;
            continue;
        }
        ++at; // an attribute name holds at least one character, even '='
        while (at < n && !isBlank(html[at]) && html[at] != u'/' && html[at] != u'>' &&
               html[at] != u'=')
            ++at;
        while (at < n && isBlank(html[at]))
            ++at;
        if (at >= n || html[at] != u'=')
            continue;
        ++at;
        while (at < n && isBlank(html[at]))
            ++at;
        if (at < n && (html[at] == u'"' || html[at] == u'\'')) {
            const qsizetype closing = html.indexOf(html[at], at + 1);
            if (closing < 0)
                return -1;
            at = closing + 1;
        } else {
            while (at < n && !isBlank(html[at]) && html[at] != u'>')
                ++at;
        }
    }
    return -1;
}

// A fragment ending in a character reference without its ';' could run on
// into the text of the next one.
bool endsInOpenReference(QStringView html) {
    qsizetype at = html.size();
    while (at > 0 && (isAsciiAlnum(html[at - 1]) || html[at - 1] == u'#'))
        --at;
    return at > 0 && html[at - 1] == u'&';
}

bool continuesAReference(QStringView html) {
    return !html.isEmpty() && (isAsciiAlnum(html[0]) || html[0] == u';' || html[0] == u'#');
}

} // namespace

bool closesEverything(QStringView html) {
    QVarLengthArray<QStringView, 16> open;
    bool inSelect = false;
    const qsizetype n = html.size();
    qsizetype at = 0;
    while (at < n) {
        if (html[at] != u'<') {
            ++at;
            continue;
        }
        const QStringView rest = html.mid(at);
        if (rest.startsWith(u"<!--")) {
            // "<!-->" and "<!--->" end at once and "--!>" ends a comment too.
            if (rest.mid(4).startsWith(u'>') || rest.mid(4).startsWith(u"->"))
                return false;
            const qsizetype end = html.indexOf(u"-->", at + 4);
            if (end < 0 || html.mid(at, end - at).contains(u"--!>"))
                return false;
            at = end + 3;
            continue;
        }
        if (rest.startsWith(u"<!") || rest.startsWith(u"<?")) {
            const qsizetype end = html.indexOf(u'>', at);
            if (end < 0)
                return false;
            at = end + 1;
            continue;
        }
        const bool endTag = rest.startsWith(u"</");
        const qsizetype nameStart = at + (endTag ? 2 : 1);
        if (nameStart >= n)
            return false; // a lone '<' at the end would meet the next fragment's markup
        if (!isAsciiLetter(html[nameStart])) {
            ++at; // text, or a bogus end tag: "</>" and "</ x>" are within one fragment
            if (endTag && html[nameStart] != u'>') {
                const qsizetype end = html.indexOf(u'>', nameStart);
                if (end < 0)
                    return false;
                at = end + 1;
            }
            continue;
        }
        qsizetype nameEnd = nameStart;
        while (nameEnd < n && !isBlank(html[nameEnd]) && html[nameEnd] != u'/' &&
               html[nameEnd] != u'>')
            ++nameEnd;
        const QStringView name = html.mid(nameStart, nameEnd - nameStart);
        const qsizetype next = endOfTag(html, nameEnd);
        if (next < 0 || isBeyondThisScanner(name))
            return false;
        at = next;
        if (inSelect) {
            // A drop-down holds options; its end tag closes them all.
            if (endTag && sameName(name, u"select"))
                inSelect = false;
            else if (!oneOf(name, {u"option", u"optgroup"}))
                return false;
            continue;
        }
        if (isDroppedTablePart(name))
            continue;
        if (!endTag) {
            if (sameName(name, u"select"))
                inSelect = true;
            else if (!isVoid(name))
                open.append(name);
            continue;
        }
        if (!open.isEmpty() && sameName(open.last(), name))
            open.removeLast();
        else if (std::any_of(open.cbegin(), open.cend(),
                             [&](QStringView opened) { return sameName(opened, name); }))
            return false; // misnested: the parser would reshape the tree
        // Any other end tag with nothing of its name open is dropped.
    }
    return open.isEmpty() && !inSelect;
}

QStringList joinIntoRuns(const QStringList &fragments) {
    QStringList runs;
    bool lastRunCloses = false;
    for (const QString &fragment : fragments) {
        const bool joins =
            lastRunCloses && !(endsInOpenReference(runs.last()) && continuesAReference(fragment));
        if (joins)
            runs.last() += fragment;
        else
            runs.append(fragment);
        // The run now ends with this fragment, parsed from where nothing is open.
        lastRunCloses = closesEverything(fragment);
    }
    return runs;
}

PageBlocks cutIntoBlocks(const QStringList &fragments, int questionsPerBlock) {
    PageBlocks page;
    int rules = 0;
    for (const QString &fragment : fragments) {
        page.tail.append(fragment);
        if (fragment == fragments::rule && ++rules % questionsPerBlock == 0)
            page.blocks.append(std::exchange(page.tail, {}));
    }
    return page;
}

} // namespace velkora
