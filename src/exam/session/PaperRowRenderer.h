#pragma once

#include "exam/paper/ExamClass.h"
#include "exam/paper/PaperQueries.h"
#include "page/Fragments.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace velkora {

class PageView;

// Who shows a paper entry: the first page after the draw, a step with
// 上一题 / 下一题, a jump from the answer sheet, or the review after
// submission. They differ in the picture and in what ends a matching item.
enum class RowVariant { FirstPage, Step, Jump, Review };

// The page of one paper entry: its markup, and the candidate's stored
// answers to preselect on it.
struct RowPage {
    QStringList fragments;
    QStringList checkedIds;                        // options to check
    QList<std::pair<QString, QString>> selections; // drop-down id, letter
    QHash<QString, QStringList> optionsByLetter;   // single choice: the options a letter selects
};

// Turns one paper entry into page content, reading its options or items
// from the bank. Throws StoreError when a read fails.
// Picture names are handed to `pictures` to find the file the page shows.
RowPage composeRowPage(const PaperRow &row, RowVariant variant, const PaperQueries &queries,
                       const PictureLocator &pictures = {});

// Shows the exam's pages in a page view. For one paper entry it loads the
// template, appends the entry's fragments in one batch and preselects the
// stored answers, and it remembers which options of that entry a letter
// key selects.
class PaperRowRenderer {
public:
    PaperRowRenderer(PageView &view, PaperQueries queries, QString templatePath,
                     PictureLocator pictures = {});

    // False (and logged) when the page did not load or take the content.
    // Throws StoreError when the entry's rows cannot be read.
    bool render(const PaperRow &row, RowVariant variant);
    // The same for the entry numbered `tid`; false when the paper has none.
    bool render(const QString &tid, RowVariant variant);
    // An empty page (for an exam whose paper has no rows).
    bool renderEmpty();
    // The result table after submission; false (and logged) when it did not show.
    bool renderResult(const QString &resultFragment);

    // The ids of the options `letter` ("A" .. "H") selects on the page
    // rendered last: those of its single-choice entry with that letter;
    // none for another kind, or when that page did not show.
    QStringList optionsForLetter(const QString &letter) const {
        return m_optionsByLetter.value(letter);
    }

private:
    PageView &m_view;
    PaperQueries m_queries;
    QString m_templatePath;
    PictureLocator m_pictures;
    QHash<QString, QStringList> m_optionsByLetter;
};

} // namespace velkora
