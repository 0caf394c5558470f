#include "feedback/FeedbackReport.h"

namespace velkora {

QVariantList FeedbackReport::values() const {
    QVariantList values{subject, questionId, questionText};
    for (const bool ticked : reasons)
        values << (ticked ? QStringLiteral("1") : QStringLiteral("0"));
    values << remark;
    return values;
}

} // namespace velkora
