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

    PictureButton *showAllButton() const { return m_buttons[0]; }     // NewImage10
    PictureButton *hideAllButton() const { return m_buttons[1]; }     // NewImage16
    PictureButton *answerAgainButton() const { return m_buttons[2]; } // NewImage11
    PictureButton *submitButton() const { return m_buttons[3]; }      // NewImage12
    PictureButton *fullScreenButton() const { return m_buttons[7]; }  // NewImage17
    PictureButton *windowButton() const { return m_buttons[8]; }      // NewImage18
    // NewImage10, NewImage16, NewImage11 .. NewImage15, NewImage17, NewImage18.
    const QList<PictureButton *> &buttons() const { return m_buttons; }
    QLabel *chapterLabel() const { return m_label1; }        // Label1
    QPushButton *gradingButton() const { return m_bitBtn1; } // BitBtn1
    QPushButton *largerTextButton() const { return m_speedButton2; }
    QPushButton *smallerTextButton() const { return m_speedButton3; }

    // Places the layout-marking controls (Label1, BitBtn1 and the two text
    // size buttons) for a window of the design's size or a maximised one.
    void placeMarkedControls(bool maximised, int screenWidth);
    // Moves them by dx (full-screen display and back).
    void shiftMarkedControls(int dx);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<QWidget *> markedControls() const;

    QPixmap m_background;
    QList<PictureButton *> m_buttons;
    QLabel *m_label1;
    QPushButton *m_bitBtn1;
    QPushButton *m_speedButton2;
    QPushButton *m_speedButton3;
};

} // namespace velkora
