#pragma once

#include <QString>
#include <QStringView>

namespace velkora::html {

// The text that a page shows for a piece of markup, read the way a browser
// reads it: tags, comments and the content of script and style are left
// out; character references are decoded ("&ge;" is ≥); a "<" that opens no
// tag stays text ("收缩压<90mmHg"), while one that does hides the rest of a
// tag the markup never closes. Elements that start a line (br, p, div, table
// cells, ...) leave a line break, so the words on either side stay apart.
QString visibleText(QStringView markup);

} // namespace velkora::html
