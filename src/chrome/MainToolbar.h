#pragma once

#include "chrome/PictureButton.h"

#include <QFrame>

namespace velkora {

// The row of command pictures under the title strip, followed by a banner.
class MainToolbar : public QFrame {
    Q_OBJECT
public:
    MainToolbar(const PictureButton::Resolver &resolver, QWidget *parent = nullptr);

    // The button of that object name ("gjst", "NewImage1", ...).
    static const QStringList &buttonNames();
};

} // namespace velkora
