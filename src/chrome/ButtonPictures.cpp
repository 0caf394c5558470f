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

ButtonFace buttonFace(const QString &objectName) {
    static const QHash<QString, ButtonFace> table = {
        // main toolbar
        {"gjst", {"章节练习", states("kstk-1.jpg", "KSTK-2.jpg", "KSTK-3.jpg")}},
        {"NewImage1", {"我的收藏", threeStates("wdsc", ".jpg")}},
        {"NewImage6", {"模拟考场", threeStates("mnkc", ".jpg")}},
        {"NewImage4", {"数据备份", threeStates("sjbf", ".jpg")}},
        {"NewImage20", {"错题题库", threeStates("cttk", ".jpg")}},
        // Pressed, this one shows its normal picture.
        {"NewImage2", {"数据恢复", states("sjhy-1.jpg", "sjhy-2.jpg", "sjhy-1.jpg")}},
        {"rjsj", {"软件升级", threeStates("rjsj", ".jpg")}},
        // The exam settings alone; the toolbar keeps it hidden.
        {"cssz", {"参数设置", {}}},
        // title strip
        {"NewImage9", {"最小化", threeStates("MinBtn", ".bmp")}},
        {"NewImage8", {"最大化", threeStates("MaxBtn", ".bmp")}},
        {"NewImage19", {"还原", threeStates("resBtn", ".bmp")}},
        {"NewImage7", {"关闭", threeStates("CloseBtn", ".bmp")}},
        // page toolbar
        {"NewImage10", {"显示答案", threeStates("xsda", ".bmp")}},
        {"NewImage16", {"隐藏答案", threeStates("ycda", ".bmp")}},
        {"NewImage11", {"重新答题", threeStates("cxdt", ".bmp")}},
        {"NewImage12", {"提交试卷", threeStates("tjsj", ".bmp")}},
        {"NewImage13", {"打印", threeStates("dy", ".bmp")}},
        {"NewImage14", {"字体放大", threeStates("da", ".bmp")}},
        {"NewImage15", {"字体缩小", threeStates("xiao", ".bmp")}},
        {"NewImage17", {"全屏显示", threeStates("qpxs", ".bmp")}},
        {"NewImage18", {"窗口显示", threeStates("ckxs", ".bmp")}},
        // score window
        {"Image1", {"关闭", threeStates("gb", ".bmp")}},
    };
    return table.value(objectName);
}

PictureButton *makePictureButton(const QString &objectName, const PictureButton::Resolver &resolver,
                                 QWidget *parent) {
    ButtonFace face = buttonFace(objectName);
    return new PictureButton(objectName, face.text, std::move(face.pictures), resolver, parent);
}

} // namespace velkora
