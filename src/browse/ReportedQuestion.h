#pragma once

#include "browse/ChapterPage.h"
#include "feedback/ReportPreview.h"
#include "page/PageComposer.h"
#include "store/Records.h"

namespace velkora {

class BankQueries;

// The preview of a question for the error-report window, with the bank's
// subject. Throws StoreError when a read fails.
ReportPreview composeReportPreview(const BankQueries &queries, RowId questionId,
                                   NumberingState &numbering, const PictureLocator &pictures = {});

} // namespace velkora
