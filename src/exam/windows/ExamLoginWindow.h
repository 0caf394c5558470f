#pragma once

#include "chrome/PictureButton.h"

#include <QDialog>

class QLabel;
class QLineEdit;

namespace velkora {

// The exam login (TForm2): full screen without a frame, the title on its
// banner, the admission number, "登录考场" and "退出考场". The admission
// number is neither checked nor kept; logging in asks for the candidate
// card through loginRequested().
class ExamLoginWindow : public QDialog {
    Q_OBJECT
public:
    ExamLoginWindow(const PictureButton::Resolver &resolver, QWidget *parent);

    // Places the pieces around half the screen width, as on every show.
    void layOut(int half);

signals:
    // "登录考场" (RzBitBtn1)
    void loginRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QLabel *m_background;
    QLabel *m_banner;
    QLabel *m_leftPicture;
    QLabel *m_rightPicture;
    QLabel *m_title;
    QLabel *m_numberLabel;
    QLineEdit *m_number;
    PictureButton *m_login;
    PictureButton *m_quit;
};

} // namespace velkora
