#pragma once

#include <QLabel>
#include <functional>

namespace velkora {

// A button drawn by three picture files: normal, mouse over and pressed.
// Each mouse event reads its file again; a file that is missing or
// unreadable leaves the picture shown before (and is logged).
class PictureButton : public QLabel {
    Q_OBJECT
public:
    struct Pictures {
        QString normal;
        QString hover;
        QString pressed;
    };
    // Maps a picture name ("mv/kstk-1.jpg") to the file to read.
    using Resolver = std::function<QString(const QString &)>;

    PictureButton(const QString &objectName, Pictures pictures, Resolver resolver,
                  QWidget *parent = nullptr);

    const Pictures &pictures() const { return m_pictures; }
    // Name of the picture file last shown.
    QString shownPicture() const { return m_shown; }

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void showPicture(const QString &name);

    Pictures m_pictures;
    Resolver m_resolve;
    QString m_shown;
};

} // namespace velkora
