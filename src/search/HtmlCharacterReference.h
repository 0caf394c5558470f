#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace velkora::html {

// A character reference read from markup: what it stands for, and how many
// characters of the markup it took, its "&" included.
struct CharacterReference {
    QString text;
    qsizetype length = 0;
};

// Reads the character reference that `markup` starts with, as a browser
// reads one in the text of a page: "&ge;", "&nbsp" without its ";", the
// longest known name of "&notit;" (¬ followed by "it;"), "&#8805;", "&#x2265".
// Nothing when the "&" starts no reference and stays text ("AT&T", "&foo;").
std::optional<CharacterReference> readCharacterReference(QStringView markup);

} // namespace velkora::html
