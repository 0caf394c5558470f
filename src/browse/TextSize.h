#pragma once

#include <QString>
#include <optional>

namespace velkora {

// One step of the larger-text or smaller-text command on the text-size
// counter: either the page's new body font size or the limit's message.
struct TextSizeStep {
    std::optional<int> bodyPixels;
    QString message;
};

// The counter goes up by one; below 12 the body gets counter + 14 pixels,
// else the upper-limit message (the counter keeps its raised value).
TextSizeStep largerText(int &zoomLevel);
// The counter goes down by one; above 0 the body gets counter + 12 pixels,
// else the counter is set to 0 and the lower-limit message shown.
TextSizeStep smallerText(int &zoomLevel);

} // namespace velkora
