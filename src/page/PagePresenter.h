#pragma once

#include <QString>
#include <QStringList>

namespace velkora {

class PageView;

// TemplateDamaged: the page is shown, but its template lacks script
// functions the page's buttons call.
enum class ShowResult { Shown, TemplateMissing, LoadFailed, TemplateDamaged, Superseded };

// Puts a composed page into a view: template first, then all fragments in
// one go, then the text zoom. A page shown while an earlier one is still
// waiting for its template wins; the earlier one appends nothing.
class PagePresenter {
public:
    PagePresenter(PageView &view, QString templatePath);

    ShowResult show(const QStringList &fragments, int textZoom = 1);
    // Starts loading the template ahead of the first show(), so that the
    // page process starts while the window is still being built.
    void preload();
    QString templatePath() const { return m_templatePath; }
    // Script functions the template must define for the pages shown here.
    void setRequiredFunctions(const QStringList &names) { m_requiredFunctions = names; }

private:
    PageView &m_view;
    QString m_templatePath;
    QStringList m_requiredFunctions;
    quint64 m_generation = 0;
};

} // namespace velkora
