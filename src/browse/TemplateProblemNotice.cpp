#include "browse/TemplateProblemNotice.h"

#include "base/Messages.h"

#include <utility>

namespace velkora {

void TemplateProblemNotice::tell(ShowResult result) {
    const auto once = [this](bool &told, const QString &text) {
        if (!std::exchange(told, true))
            m_messages.inform(text);
    };
    switch (result) {
    case ShowResult::TemplateMissing:
        once(m_missingTold,
             QStringLiteral("找不到试题页面模板 yk.html，无法显示试题。请重新安装 Velkora。"));
        break;
    case ShowResult::LoadFailed:
        once(m_failedTold, QStringLiteral("试题页面模板 yk.html 没有打开，试题无法显示。请关闭 "
                                          "Velkora 后重新启动；仍不行时请重新安装。"));
        break;
    case ShowResult::TemplateDamaged:
        once(m_damagedTold,
             QStringLiteral("试题页面模板 yk.html 已损坏：“显示答案”“收藏本题”等按钮无法使用。"
                            "请重新安装 Velkora。"));
        break;
    case ShowResult::Shown:
    case ShowResult::Superseded:
        break;
    }
}

} // namespace velkora
