#pragma once

#include <QString>

namespace velkora {

// Background of an answer-sheet button. Before submission red marks the
// entry on screen, blue an answered one and the active-border colour one
// visited but left empty; after submission blue is right and red wrong.
enum class SheetColour { ButtonFace, Red, Blue, ActiveBorder };

struct ButtonColour {
    QString button; // objectName of the answer-sheet button, see sheetButtonName()
    SheetColour colour;

    bool operator==(const ButtonColour &) const = default;
};

} // namespace velkora
