// velkora_picturegen <programDir> [<iconThemesDir>]: draws the window and
// question pictures into the program folder, and the program's icon into an
// icon theme folder when one is given. Runs without a display.
#include "picturegen.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[]) {
    // Build machines have no display; the offscreen platform still has fonts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2 && args.size() != 3) {
        std::fprintf(stderr, "usage: velkora_picturegen <programDir> [<iconThemesDir>]\n");
        return 2;
    }

    if (!QFontDatabase::families().contains(QStringLiteral("Noto Sans CJK SC")))
        std::fprintf(stderr, "velkora_picturegen: warning: font \"Noto Sans CJK SC\" not found, "
                             "labels fall back to another font\n");

    QString error;
    QStringList written = velkora::picturegen::writeAllPictures(args.at(1), &error);
    if (error.isEmpty() && args.size() == 3)
        written += velkora::picturegen::writeAppIcons(args.at(2), &error);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "velkora_picturegen: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("velkora_picturegen: wrote %lld pictures\n",
                static_cast<long long>(written.size()));
    return 0;
}
