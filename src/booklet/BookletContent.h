#pragma once

#include "browse/ChapterPage.h"
#include "page/PageComposer.h"
#include "store/Records.h"
#include "store/ViewMode.h"

#include <QList>
#include <QString>

namespace velkora {

class BankQueries;

// The groups of one chapter a booklet prints, under the chapter's path.
struct BookletChapter {
    QString path; // "part › section › chapter"
    QList<GroupContent> groups;
};

struct BookletContent {
    QList<BookletChapter> chapters;
    bool complete = true; // false when a read failed part-way (logged)

    int questionCount() const;
};

// Reads the questions of `questionIds` with everything they are printed
// with. Chapters and groups come in the order their first question is
// listed. A case or shared-option group comes out whole, with all its
// questions, since its questions make no sense without each other; of the
// other groups only the listed questions. Ids that name no question are
// skipped.
BookletContent readBookletContent(const BankQueries &queries, const QList<RowId> &questionIds,
                                  const PictureLocator &pictures = {});

// Every question a view lists, in tree order: chapter by chapter, each
// chapter's groups as its page orders them, in each group the questions the
// view lists. Throws StoreError.
QList<RowId> viewQuestions(const BankQueries &queries, ViewMode mode);

} // namespace velkora
