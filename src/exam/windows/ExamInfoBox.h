#pragma once

#include <QGroupBox>

namespace velkora {

// "考场信息" at the top of the exam window: the sample room, session and
// seat, and the sample candidate's name, number and subject.
class ExamInfoBox : public QGroupBox {
    Q_OBJECT
public:
    explicit ExamInfoBox(QWidget *parent = nullptr);
};

} // namespace velkora
