#pragma once

#include <QString>
#include <QStringList>

namespace velkora {

class PageView;

enum class ShowResult { Shown, TemplateMissing, LoadFailed, Superseded };

// Puts a composed page into a view: template first, then all fragments in
// one go, then the text zoom. A page shown while an earlier one is still
// waiting for its template wins; the earlier one appends nothing.
class PagePresenter {
public:
    PagePresenter(PageView &view, QString templatePath);

    ShowResult show(const QStringList &fragments, int textZoom = 1);
    QString templatePath() const { return m_templatePath; }

private:
    PageView &m_view;
    QString m_templatePath;
    quint64 m_generation = 0;
};

} // namespace velkora
