// Draws every picture the main window uses for its chrome, plus the pictures
// of the demo question bank. Everything is painted with QPainter, so the
// program folder can be rebuilt from source on any machine.
#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

namespace velkora::picturegen {

enum class PictureKind {
    MainToolButton, // big toolbar button: icon with a label under it (JPEG)
    TitleButton,    // minimise / maximise / restore / close in the title strip (BMP)
    PageToolButton, // small glyph plus label in the page toolbar (BMP)
    DialogButton,   // wide button of the score window (BMP)
    TitleStrip,     // background of the title strip
    Banner,         // toolbar banner right of the toolbar buttons
    TreeHeader,     // background of the tree column header
    PageToolbar,    // background strip of the page toolbar
    ChestRadiograph,
    Audiogram,
    ExamBackground,        // stretched background of the exam login and card windows
    ExamBanner,            // banner under the login window's title
    ExamTerminal,          // decoration left of the login form
    ExamRibbon,            // decoration right of the middle, above the login form
    ExamCard,              // the candidate card the window writes its lines on
    ExamPhoto,             // drawn portrait placeholder
    ExamEntryButton,       // buttons of the login and card windows
    ExamBarButton,         // buttons of the exam window's bottom panel
    MaintenanceBackground, // backgrounds of the backup and restore windows
};

// Button pictures come in numbered states; the number is part of the file name.
enum class ButtonState {
    Single = 0,  // picture that is not a button state
    Normal = 1,  // "-1"
    Hover = 2,   // "-2": mouse over, highlighted
    Pressed = 3, // "-3": pushed, darker and shifted by one pixel
};

struct PictureInfo {
    QString name;  // relative to the program folder, exact letter case and extension
    QSize size;    // pixel size of the picture
    QString label; // text painted on the picture; empty when it carries no text
    ButtonState state = ButtonState::Single;
    QString button; // key shared by the states of one button ("kstk", "MinBtn"); empty otherwise
    PictureKind kind = PictureKind::MainToolButton;
};

// Every picture the tool writes, in writing order.
QList<PictureInfo> pictureCatalogue();

// Image format name for QImageWriter chosen from the file extension ("jpeg", "bmp", "png").
// Empty for an extension the tool does not write.
QByteArray pictureFormat(const QString &name);

// Paints one picture. Needs a QGuiApplication (fonts); the result is opaque
// and identical from run to run.
QImage renderPicture(const PictureInfo &info);

// Writes every catalogue picture into programDir, creating sub-folders as needed,
// and returns the relative names written. On failure *error (if given) describes
// the first problem, and the list holds only the pictures written before it.
QStringList writeAllPictures(const QString &programDir, QString *error);

// The program's icon for the desktop's icon theme: a square of `size`
// pixels on a transparent ground.
QImage renderAppIcon(int size);

// The sizes the icon theme gets, in pixels.
QList<int> appIconSizes();

// Writes the icon at every size into an icon theme under themesDir
// ("hicolor/48x48/apps/velkora.png") and returns the relative names written.
// On failure *error (if given) describes the problem.
QStringList writeAppIcons(const QString &themesDir, QString *error);

} // namespace velkora::picturegen
