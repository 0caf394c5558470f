#pragma once

#include "chrome/PictureButton.h"

namespace velkora {

// Picture files of every picture button of the main window, by the
// button's object name, spelled exactly as the files are published.
PictureButton::Pictures buttonPictures(const QString &objectName);

} // namespace velkora
