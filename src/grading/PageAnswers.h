#pragma once

#include "page/PageView.h"
#include "store/Records.h"

#include <QHash>
#include <optional>

namespace velkora {

// Value of the drop-down list while the learner has chosen nothing.
inline const QString nothingChosen = QStringLiteral("daan");

// The learner's answers as one snapshot of the page's controls shows them.
class PageAnswers {
public:
    explicit PageAnswers(const QList<ControlState> &controls);

    // The answer given to a question of display code `code`: the letters of
    // its ticked options in option order, or the value of its drop-down list.
    // nullopt when a control the question needs is not on the page.
    std::optional<QString> given(int code, RowId questionId, const QList<OptionRow> &options) const;

private:
    const ControlState *control(const QString &id) const;

    QHash<QString, ControlState> m_byId; // the first control of each id
};

} // namespace velkora
