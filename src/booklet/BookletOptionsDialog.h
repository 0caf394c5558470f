#pragma once

#include "booklet/BookletRequest.h"

#include <QDialog>
#include <optional>

class QRadioButton;

namespace velkora {

// Asks where the booklet prints the answers: together at the end, or after
// each question.
class BookletOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit BookletOptionsDialog(QWidget *parent = nullptr);

    AnswerPlacement placement() const;

    // Shows the dialog; nothing when the learner cancelled.
    static std::optional<AnswerPlacement> ask(QWidget *parent);

private:
    QRadioButton *m_atEnd;
    QRadioButton *m_afterEach;
};

} // namespace velkora
