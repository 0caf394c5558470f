#include "page/PagePresenter.h"

#include "page/PageView.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLoggingCategory>

namespace velkora {

Q_LOGGING_CATEGORY(lcPage, "velkora.page")

PagePresenter::PagePresenter(PageView &view, QString templatePath)
    : m_view(view), m_templatePath(std::move(templatePath)) {}

void PagePresenter::preload() {
    if (QFileInfo(m_templatePath).isFile())
        m_view.preload(m_templatePath);
}

ShowResult PagePresenter::show(const QStringList &fragments, int textZoom) {
    const quint64 generation = ++m_generation;
    QElapsedTimer clock;
    clock.start();
    if (!QFileInfo(m_templatePath).isFile()) {
        qCWarning(lcPage) << "page template missing:" << m_templatePath;
        return ShowResult::TemplateMissing;
    }
    const bool loaded = m_view.load(m_templatePath);
    if (generation != m_generation) {
        qCInfo(lcPage) << "page build superseded by a newer one";
        return ShowResult::Superseded;
    }
    if (!loaded) {
        qCWarning(lcPage) << "page template did not load:" << m_templatePath;
        return ShowResult::LoadFailed;
    }
    const bool complete = m_view.definesFunctions(m_requiredFunctions);
    if (!complete)
        qCWarning(lcPage) << "page template" << m_templatePath << "lacks one of"
                          << m_requiredFunctions;
    // The text size first, so that the page is laid out once, at its size.
    m_view.setTextZoom(textZoom);
    if (!m_view.appendHtml(fragments))
        qCWarning(lcPage) << "page did not take its" << fragments.size() << "fragments";
    if (generation != m_generation)
        return ShowResult::Superseded;
    qCInfo(lcPage) << "page of" << fragments.size() << "fragments laid out in" << clock.elapsed()
                   << "ms";
    return complete ? ShowResult::Shown : ShowResult::TemplateDamaged;
}

} // namespace velkora
