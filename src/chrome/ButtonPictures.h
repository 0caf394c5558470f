#pragma once

#include "chrome/PictureButton.h"

namespace velkora {

// What a picture button of the main window shows: the text on its face
// and its picture files, spelled exactly as the files are published.
struct ButtonFace {
    QString text;
    PictureButton::Pictures pictures;
};

// The face of a main-window picture button, by the button's object name.
ButtonFace buttonFace(const QString &objectName);

// A main-window picture button with its face from the table above.
PictureButton *makePictureButton(const QString &objectName, const PictureButton::Resolver &resolver,
                                 QWidget *parent);

} // namespace velkora
