#pragma once

// Pieces the exam settings, login and candidate-card windows share. The
// pictures of the login and the card,
// drawn at build time into the program folder's mv/:
//   mv/exam-bg.jpg              background of both windows, stretched
//   mv/exam-login-banner.png    banner under the login title
//   mv/exam-login-left.png      decoration left of the login form
//   mv/exam-login-right.png     decoration above the admission number
//   mv/exam-card.png            the candidate card
//   mv/exam-photo-1.png, -2.png the candidate's photos
//   mv/exam-login-N.png, exam-quit-N.png, exam-relogin-N.png,
//   mv/exam-start-N.png, exam-demo-N.png   button faces, N = 1 normal,
//                                          2 mouse over, 3 pressed

#include "chrome/PictureButton.h"

#include <QFont>
#include <QLabel>
#include <QScreen>
#include <QWidget>

namespace velkora {

// The face the exam windows write in, whatever the desktop's default is.
inline QFont entryFont(int pixelSize, bool bold = false) {
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// A picture of the program folder in a label of the given size, stretched
// to fill it. A missing file leaves the label empty, showing the window's
// own colour behind it.
inline QLabel *addPicture(QWidget *parent, const QString &objectName, const QString &picture,
                          const PictureButton::Resolver &resolve, const QSize &size) {
    auto *label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setPixmap(cachedPicture(resolve(picture)));
    label->setScaledContents(true);
    label->resize(size);
    return label;
}

// A picture button of the entry windows: its three faces are
// mv/<base>-1.png, -2.png and -3.png.
inline PictureButton *addEntryButton(QWidget *parent, const QString &objectName,
                                     const QString &faceText, const QString &base,
                                     const PictureButton::Resolver &resolve) {
    const auto face = [&](int state) {
        return QStringLiteral("mv/%1-%2.png").arg(base).arg(state);
    };
    return new PictureButton(objectName, faceText, {face(1), face(2), face(3)}, resolve, parent);
}

// Where the small windows of the way in (the paper settings, the offer to
// resume) stand, from the main window's top-left corner.
inline constexpr QPoint entryDialogOffset(190, 150);

// Half the width of the screen the window opens on (the main window's, for
// a window that has an owner), divided as an integer.
inline int halfScreenWidth(const QWidget *window) {
    const QWidget *owner = window->parentWidget() ? window->parentWidget()->window() : window;
    const QScreen *screen = owner->screen();
    return screen ? screen->availableGeometry().width() / 2 : 0;
}

} // namespace velkora
