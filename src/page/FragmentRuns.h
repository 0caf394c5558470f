#pragma once

#include <QStringList>
#include <QStringView>

namespace velkora {

// True when the HTML parser, starting in a page's body with nothing open,
// ends `html` where it started: every element it opened is closed again and
// it is not inside a tag, a comment or raw text. Errs on the side of false:
// markup it does not follow (tables, forms, scripts, misnested tags) is
// reported as not closing.
bool closesEverything(QStringView html);

// Joins consecutive fragments into runs whose text parses to the same nodes
// as the fragments parsed one by one: a fragment joins the run before it
// only when that run closes everything. A page then costs a few parser runs
// instead of one per fragment.
QStringList joinIntoRuns(const QStringList &fragments);

// A page's fragments cut after every `questionsPerBlock`-th rule: each block
// holds whole questions and ends where a line ends, so the renderer may lay
// it out as a box of its own; the fragments after the last cut are the tail.
struct PageBlocks {
    QList<QStringList> blocks;
    QStringList tail;
};
PageBlocks cutIntoBlocks(const QStringList &fragments, int questionsPerBlock);

} // namespace velkora
