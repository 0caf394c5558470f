#pragma once

#include <QValidator>

namespace velkora {

// Holds a paper-count field to at most four ASCII digits, whatever way the
// text arrives: typed keys, paste, drop or an input method's commit. Other
// characters are dropped rather than refused, so pasting "1a2" leaves "12";
// full-width digits from a Chinese input method count as digits. An edit
// that would leave more than four digits is refused and the field keeps its
// text.
class CountFieldFilter : public QValidator {
    Q_OBJECT
public:
    static constexpr int maximumDigits = 4;

    using QValidator::QValidator;
    State validate(QString &input, int &position) const override;
};

} // namespace velkora
