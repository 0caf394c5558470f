#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <functional>

namespace velkora {

// A push button drawn by three picture files: normal, mouse over and
// pressed. It takes the focus, answers the keyboard and accessibility like
// any push button, under the text on its face. Each mouse event looks at
// its file again, so a picture replaced on disk shows at the next event;
// a file is decoded again only when it changed. Without a readable picture
// the button draws its face text on a plain button face.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    struct Pictures {
        QString normal;
        QString hover;
        QString pressed;
    };
    // Maps a picture name ("mv/kstk-1.jpg") to the file to read.
    using Resolver = std::function<QString(const QString &)>;

    PictureButton(const QString &objectName, const QString &faceText, Pictures pictures,
                  Resolver resolver, QWidget *parent = nullptr);

    const Pictures &pictures() const { return m_pictures; }
    // Name of the picture file shown; empty while the plain face is drawn.
    QString shownPicture() const { return m_shown; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showPicture(const QString &name);

    Pictures m_pictures;
    Resolver m_resolve;
    QString m_shown;
    QPixmap m_picture;
    bool m_missingLogged = false;
};

// Reads a picture file, decoding it again only when the file changed since
// the last read. A null pixmap when the file is missing or unreadable.
QPixmap cachedPicture(const QString &filePath);

} // namespace velkora
