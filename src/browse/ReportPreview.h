#pragma once

#include "browse/ChapterPage.h"
#include "page/PageComposer.h"
#include "store/Records.h"

#include <QStringList>

namespace velkora {

class BankQueries;

// The question shown in the error-report window: the bare question of its
// group, numbered from 1, with its answer visible and no buttons.
struct ReportPreview {
    QStringList fragments;
    QString questionText; // empty when there is no such question
    QString questionId;
};

// Throws StoreError when a read fails.
ReportPreview composeReportPreview(const BankQueries &queries, RowId questionId,
                                   NumberingState &numbering, const PictureLocator &pictures = {});

} // namespace velkora
