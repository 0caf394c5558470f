#pragma once

#include <QDialog>

namespace velkora {

// The small borderless box that stands over the exam window while the
// paper is drawn.
class DrawingWaitBox : public QDialog {
    Q_OBJECT
public:
    explicit DrawingWaitBox(QWidget *parent = nullptr);
};

} // namespace velkora
