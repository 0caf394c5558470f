#include "grading/PageAnswers.h"

#include "store/BankConventions.h"

namespace velkora {

PageAnswers::PageAnswers(const QList<ControlState> &controls) {
    m_byId.reserve(controls.size());
    for (const ControlState &state : controls) {
        if (!m_byId.contains(state.id))
            m_byId.insert(state.id, state);
    }
}

const ControlState *PageAnswers::control(const QString &id) const {
    const auto it = m_byId.constFind(id);
    return it == m_byId.cend() ? nullptr : &it.value();
}

std::optional<QString> PageAnswers::given(int code, RowId questionId,
                                          const QList<OptionRow> &options) const {
    if (code == typecode::sharedOptions) {
        const ControlState *list = control(QStringLiteral("a") + QString::number(questionId));
        if (!list)
            return std::nullopt;
        return list->value;
    }
    QString letters;
    for (const OptionRow &option : options) {
        const ControlState *box = control(option.id);
        if (!box)
            return std::nullopt;
        if (box->checked)
            letters += option.letter;
    }
    return letters;
}

} // namespace velkora
