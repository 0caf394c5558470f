#pragma once

#include "chrome/PictureButton.h"

#include <QFrame>

class QLabel;
class QPushButton;

namespace velkora {

// The strip of page commands above the page view. Besides its picture
// buttons it holds the hidden grading button `BitBtn1`, whose position tells
// the main window whether its layout changed since the tree was last shown.
class PageToolbar : public QFrame {
    Q_OBJECT
public:
    PageToolbar(const PictureButton::Resolver &resolver, QWidget *parent = nullptr);

    PictureButton *button(const QString &objectName) const;  // NewImage10 .. NewImage18
    QLabel *chapterLabel() const { return m_label1; }        // Label1
    QPushButton *gradingButton() const { return m_bitBtn1; } // BitBtn1
    QPushButton *largerTextButton() const { return m_speedButton2; }
    QPushButton *smallerTextButton() const { return m_speedButton3; }

    // Moves the layout-marking controls by dx (full-screen display and back).
    void shiftMarkedControls(int dx);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_background;
    QLabel *m_label1;
    QPushButton *m_bitBtn1;
    QPushButton *m_speedButton2;
    QPushButton *m_speedButton3;
};

} // namespace velkora
