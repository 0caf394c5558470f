#pragma once

#include <QDialog>

namespace velkora {

// The small borderless box that stands over the exam window (or the main
// window) while the paper is drawn: it shows at once, 165 by 350 pixels
// from the top-left corner of `anchor`, and goes when it is destroyed.
class DrawingWaitBox : public QDialog {
    Q_OBJECT
public:
    // How long the box stands before the draw begins.
    static constexpr int pauseMs = 500;

    DrawingWaitBox(const QWidget &anchor, QWidget *parent);

    // Waits with events flowing, the learner's input aside, so that the box
    // and the window under it are drawn.
    static void pauseWithEvents(int milliseconds);
};

} // namespace velkora
