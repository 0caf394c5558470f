#include "search/HtmlCharacterReference.h"

#include "search/HtmlNamedReferences.h"

#include <algorithm>
#include <string>

namespace velkora::html {

namespace {

static_assert(std::ranges::is_sorted(namedReferences, {}, &NamedReference::name),
              "named references are looked up by halves");

// "CounterClockwiseContourIntegral;", the longest name.
constexpr qsizetype longestName = 32;

// Numeric references to 0x80..0x9F stand for the characters of windows-1252,
// as pages written by older editors mean them ("&#150;" is an en dash);
// 0 where that code page has none.
constexpr char16_t windows1252[0x20] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

bool isAsciiAlphanumeric(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// The value of a digit in `base` (10 or 16), or -1.
int digitValue(QChar c, int base) {
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (base == 16 && c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (base == 16 && c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

const NamedReference *namedReference(std::string_view name) {
    const auto *found = std::ranges::lower_bound(namedReferences, name, {}, &NamedReference::name);
    return found != std::ranges::end(namedReferences) && found->name == name ? found : nullptr;
}

// `markup` starts with "&" and a letter or digit: the longest name of the
// table that follows.
std::optional<CharacterReference> readNamedReference(QStringView markup) {
    std::string name;
    for (qsizetype at = 1; at < markup.size() && qsizetype(name.size()) < longestName; ++at) {
        const QChar c = markup[at];
        if (!isAsciiAlphanumeric(c) && c != u';')
            break;
        name += char(c.unicode());
        if (c == u';')
            break;
    }
    for (; !name.empty(); name.pop_back()) {
        if (const NamedReference *reference = namedReference(name)) {
            const char32_t *points = reference->codePoints;
            return CharacterReference{QString::fromUcs4(points, points[1] ? 2 : 1),
                                      qsizetype(name.size()) + 1};
        }
    }
    return std::nullopt;
}

// `markup` starts with "&#".
std::optional<CharacterReference> readNumericReference(QStringView markup) {
    qsizetype at = 2;
    const bool hex = at < markup.size() && (markup[at] == u'x' || markup[at] == u'X');
    if (hex)
        ++at;
    const int base = hex ? 16 : 10;
    const qsizetype digits = at;
    constexpr char32_t beyondUnicode = 0x110000;
    char32_t value = 0;
    for (int digit; at < markup.size() && (digit = digitValue(markup[at], base)) >= 0; ++at)
        value = std::min<char32_t>(value * base + digit, beyondUnicode);
    if (at == digits)
        return std::nullopt;
    if (at < markup.size() && markup[at] == u';')
        ++at;
    if (value == 0 || value >= beyondUnicode || QChar::isSurrogate(value))
        value = QChar::ReplacementCharacter;
    else if (value >= 0x80 && value < 0xA0 && windows1252[value - 0x80] != 0)
        value = windows1252[value - 0x80];
    return CharacterReference{QString::fromUcs4(&value, 1), at};
}

} // namespace

std::optional<CharacterReference> readCharacterReference(QStringView markup) {
    if (markup.size() < 2 || markup[0] != u'&')
        return std::nullopt;
    if (markup[1] == u'#')
        return readNumericReference(markup);
    if (isAsciiAlphanumeric(markup[1]))
        return readNamedReference(markup);
    return std::nullopt;
}

} // namespace velkora::html
