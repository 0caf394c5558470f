#include "chrome/MainToolbar.h"

#include "chrome/ButtonPictures.h"
#include "chrome/MainWindowCommands.h"

#include <QHBoxLayout>
#include <QLabel>

namespace velkora {

const QStringList &MainToolbar::buttonNames() {
    static const QStringList names = [] {
        QStringList list;
        for (const MainWindowCommand command :
             {&MainWindowCommands::chapterPractice, &MainWindowCommands::favourites,
              &MainWindowCommands::simulatedExam, &MainWindowCommands::backup,
              &MainWindowCommands::wrongQuestions, &MainWindowCommands::restore,
              &MainWindowCommands::updateCheck})
            list << QLatin1String(designerName(command));
        return list;
    }();
    return names;
}

MainToolbar::MainToolbar(const PictureButton::Resolver &resolver, QWidget *parent)
    : QFrame(parent) {
    setObjectName(QStringLiteral("ToolBar1"));
    setFixedHeight(64);
    setStyleSheet(QStringLiteral("#ToolBar1 { background: #e8f1f5; }"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (const QString &name : buttonNames())
        row->addWidget(makePictureButton(name, resolver, this));
    makePictureButton(QLatin1String(designerName(&MainWindowCommands::examSettings)), resolver,
                      this)
        ->hide();
    auto *banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("Panel7"));
    banner->setPixmap(QPixmap(resolver(QStringLiteral("mv/banner.jpg"))));
    banner->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    banner->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    row->addWidget(banner, 1);
}

} // namespace velkora
