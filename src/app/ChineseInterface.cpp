#include "app/ChineseInterface.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QTranslator>

namespace velkora {

Q_LOGGING_CATEGORY(lcInterface, "velkora.app")

namespace {
const QString interfaceFamily = QStringLiteral("Noto Sans CJK SC");
} // namespace

void installChineseInterface(QApplication &app) {
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    QLocale::setDefault(chinese);

    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char *catalogue : {"qtbase", "qtwebengine"}) {
        auto *translator = new QTranslator(&app);
        if (translator->load(chinese, QString::fromLatin1(catalogue), QStringLiteral("_"), folder))
            QCoreApplication::installTranslator(translator);
        else
            qCWarning(lcInterface) << "no Chinese translation" << catalogue << "in" << folder;
    }

    if (!QFontDatabase::families().contains(interfaceFamily)) {
        qCWarning(lcInterface) << "font" << interfaceFamily << "is not installed";
        return;
    }
    QFont font = QApplication::font();
    font.setFamilies({interfaceFamily});
    QApplication::setFont(font);
}

} // namespace velkora
