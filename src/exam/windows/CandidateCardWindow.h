#pragma once

#include "chrome/PictureButton.h"
#include "exam/paper/TitleLevel.h"

#include <QDialog>
#include <QList>

class QLabel;
class QRadioButton;
class QGroupBox;

namespace velkora {

class Messages;

// Family for the candidate card's lines: a FangSong face that has every
// character of text, else a serif CJK face that has them, else the
// application's font.
QString cardTypeface(const QString &text);

// The candidate card (TForm3): full screen without a frame, the card with
// its eleven fixed lines, two photos, the hidden title-level choice
// "选择职称", "重新登录" back to the login and "开始考试".
class CandidateCardWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int cardFontPixels = 19;
    static const QStringList &cardLines();

    CandidateCardWindow(Messages &messages, const PictureButton::Resolver &resolver,
                        QWidget *parent);

    TitleLevel titleLevel() const;
    // Places the pieces around half the screen width, as on every show.
    void layOut(int half);

signals:
    // "开始考试" (SpeedButton2), with the level chosen.
    void startRequested(TitleLevel level);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    Messages &m_messages;
    QLabel *m_background;
    QLabel *m_card;
    QLabel *m_photo;
    QLabel *m_sitePhoto;
    QLabel *m_title;
    QList<QLabel *> m_lines;
    QGroupBox *m_levelChoice;
    QRadioButton *m_senior;
    QRadioButton *m_associateSenior;
    PictureButton *m_demo;
    PictureButton *m_relogin;
    PictureButton *m_start;
};

} // namespace velkora
