#pragma once

#include "chrome/PictureButton.h"

#include <QFrame>

class QLabel;
class QToolButton;

namespace velkora {

// The main window's own title strip: a background picture, the hidden
// subject captions, the buttons of the study statistics and the daily
// review, and the minimise,
// maximise/restore and close buttons. Dragging it moves the window; a double
// click toggles maximised.
class TitleStrip : public QFrame {
    Q_OBJECT
public:
    TitleStrip(const PictureButton::Resolver &resolver, QWidget *parent = nullptr);

    PictureButton *minimiseButton() const { return m_minimise; }
    PictureButton *maximiseButton() const { return m_maximise; }
    PictureButton *restoreButton() const { return m_restore; }
    PictureButton *closeButton() const { return m_close; }
    QToolButton *statisticsButton() const { return m_statistics; }
    QToolButton *reviewButton() const { return m_review; }
    QLabel *subjectIdLabel() const { return m_label4; }
    QLabel *subjectShortNameLabel() const { return m_label2; }

    // Puts a widget of another command on the strip, left of the window
    // buttons: the first one added nearest to them, each later one further left.
    void addEntry(QWidget *entry);

    // Shows the maximise or the restore button, as the window state asks.
    void showMaximised(bool maximised);

signals:
    // A double click on the strip.
    void maximiseToggleRequested();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void placeEntries();
    // A text button of a command, placed as the next entry.
    QToolButton *addCommandButton(const QString &objectName);

    QPixmap m_background;
    QList<QWidget *> m_entries;
    PictureButton *m_minimise;
    PictureButton *m_maximise;
    PictureButton *m_restore;
    PictureButton *m_close;
    QToolButton *m_statistics;
    QToolButton *m_review;
    QLabel *m_label4;
    QLabel *m_label2;
};

} // namespace velkora
