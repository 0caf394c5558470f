#pragma once

#include "store/Records.h"

#include <QStringList>

namespace velkora {

// Running numbers of the page being built. Owned by the window whose page
// it is and reset at the start of every page.
struct NumberingState {
    int questionNo = 1;
    int groupNo = 0;
    int caseHeaderDone = 0;
    int optionsHeaderDone = 0;

    void reset() { *this = NumberingState{}; }
};

// One question group with everything its markup needs.
struct GroupContent {
    struct Item {
        QuestionRow question;
        QList<OptionRow> options;
    };
    QuestionType type;
    GroupRow group;
    QList<Item> items;
};

// Practice pages carry buttons and a hidden answer; the preview in the
// error-report window shows the bare question with its answer.
enum class PageStyle { Practice, ReportPreview };

// Turns groups into the page's fragments, in order, keeping the numbering.
class PageComposer {
public:
    explicit PageComposer(NumberingState &numbering, PageStyle style = PageStyle::Practice)
        : m_numbering(numbering), m_style(style) {}

    void addGroup(const GroupContent &group);

    const QStringList &fragments() const { return m_fragments; }
    QStringList takeFragments() { return std::exchange(m_fragments, {}); }

private:
    void addHeading(const GroupContent &group);
    void addQuestion(const GroupContent &group, const GroupContent::Item &item, int groupIndex);
    void addStem(int code, const GroupContent &group, const QuestionRow &q, int groupIndex);
    void append(const QString &fragment) { m_fragments.append(fragment); }
    bool practice() const { return m_style == PageStyle::Practice; }

    NumberingState &m_numbering;
    PageStyle m_style;
    QStringList m_fragments;
};

} // namespace velkora
