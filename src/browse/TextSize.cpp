#include "browse/TextSize.h"

namespace velkora {

TextSizeStep largerText(int &zoomLevel) {
    ++zoomLevel;
    if (zoomLevel < 12)
        return {zoomLevel + 14, {}};
    return {std::nullopt, QStringLiteral("不能将字体设置过大！")};
}

TextSizeStep smallerText(int &zoomLevel) {
    --zoomLevel;
    if (zoomLevel > 0)
        return {zoomLevel + 12, {}};
    zoomLevel = 0;
    return {std::nullopt, QStringLiteral("不能将字体设置过小！")};
}

} // namespace velkora
