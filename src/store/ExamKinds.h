#pragma once

#include <QString>
#include <array>
#include <optional>

namespace velkora {

// The four kinds of entry an exam paper holds, in paper order: a convention
// of the bank. A paper row and a bank question carry the kind as its `lx`
// text ("a1" .. "a4"); the settings table `ts` holds the count of kind k in
// its row k (1-based).
enum class ExamClass { Single, Multiple, Case, Matching };

inline constexpr std::array<ExamClass, 4> examClasses = {ExamClass::Single, ExamClass::Multiple,
                                                         ExamClass::Case, ExamClass::Matching};

// 1 .. 4: the row of `ts` and the place in paper order.
inline int examPosition(ExamClass kind) {
    return static_cast<int>(kind) + 1;
}

inline QString lxCode(ExamClass kind) {
    return QStringLiteral("a") + QString::number(examPosition(kind));
}

inline std::optional<ExamClass> examClassOfLx(const QString &lx) {
    for (ExamClass kind : examClasses) {
        if (lxCode(kind) == lx)
            return kind;
    }
    return std::nullopt;
}

// Name of the kind wherever results are shown: the result table after
// submission and the learner's statistics.
inline QString resultName(ExamClass kind) {
    static const QString names[] = {QStringLiteral("单项选择题"), QStringLiteral("多项选择题"),
                                    QStringLiteral("案例分析题"), QStringLiteral("配伍选择题")};
    return names[static_cast<int>(kind)];
}

// Right and wrong answers of one kind: one per choice entry, one per item
// of a matching group.
struct KindScore {
    int right = 0;
    int wrong = 0;

    int total() const { return right + wrong; }
};

} // namespace velkora
