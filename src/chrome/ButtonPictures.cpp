#include "chrome/ButtonPictures.h"

#include <QHash>

namespace velkora {

namespace {
PictureButton::Pictures states(const QString &normal, const QString &hover,
                               const QString &pressed) {
    return {QStringLiteral("mv/") + normal, QStringLiteral("mv/") + hover,
            QStringLiteral("mv/") + pressed};
}
PictureButton::Pictures threeStates(const QString &base, const char *extension) {
    const QString ext = QLatin1String(extension);
    return states(base + "-1" + ext, base + "-2" + ext, base + "-3" + ext);
}
} // namespace

PictureButton::Pictures buttonPictures(const QString &objectName) {
    static const QHash<QString, PictureButton::Pictures> table = {
        // main toolbar
        {"gjst", states("kstk-1.jpg", "KSTK-2.jpg", "KSTK-3.jpg")},
        {"NewImage1", threeStates("wdsc", ".jpg")},
        {"NewImage6", threeStates("mnkc", ".jpg")},
        {"NewImage4", threeStates("sjbf", ".jpg")},
        {"NewImage20", threeStates("cttk", ".jpg")},
        {"NewImage2", states("sjhy-1.jpg", "sjhy-2.jpg", "sjhy-1.jpg")},
        {"rjsj", threeStates("rjsj", ".jpg")},
        // title strip
        {"NewImage9", threeStates("MinBtn", ".bmp")},
        {"NewImage8", threeStates("MaxBtn", ".bmp")},
        {"NewImage19", threeStates("resBtn", ".bmp")},
        {"NewImage7", threeStates("CloseBtn", ".bmp")},
        // page toolbar
        {"NewImage10", threeStates("xsda", ".bmp")},
        {"NewImage16", threeStates("ycda", ".bmp")},
        {"NewImage11", threeStates("cxdt", ".bmp")},
        {"NewImage12", threeStates("tjsj", ".bmp")},
        {"NewImage13", threeStates("dy", ".bmp")},
        {"NewImage14", threeStates("da", ".bmp")},
        {"NewImage15", threeStates("xiao", ".bmp")},
        {"NewImage17", threeStates("qpxs", ".bmp")},
        {"NewImage18", threeStates("ckxs", ".bmp")},
        // score window
        {"Image1", threeStates("gb", ".bmp")},
    };
    return table.value(objectName);
}

} // namespace velkora
