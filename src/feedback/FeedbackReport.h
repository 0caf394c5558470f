#pragma once

#include <QString>
#include <QVariantList>
#include <array>

namespace velkora {

// One error report about a question, as the feedback table takes it.
struct FeedbackReport {
    static constexpr int reasonCount = 10;

    QString subject;                         // kemu
    QString questionId;                      // tihao
    QString questionText;                    // tigan
    std::array<bool, reasonCount> reasons{}; // tupian .. shiticf, in check-box order
    QString remark;                          // shuoming

    // The fourteen values in the order of the table's columns, every one
    // text; a reason is "1" when ticked, else "0".
    QVariantList values() const;
};

} // namespace velkora
