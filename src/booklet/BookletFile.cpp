#include "booklet/BookletFile.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace velkora {

QString suggestedBookletName(const QString &title, QDate date) {
    static const QRegularExpression unsafe(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    QString name = title.trimmed();
    name.replace(unsafe, QStringLiteral("_"));
    if (name.isEmpty())
        name = QStringLiteral("试题");
    return name + QLatin1Char('-') + date.toString(Qt::ISODate) + QStringLiteral(".pdf");
}

QString withPdfSuffix(const QString &path) {
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0)
        return path;
    return path + QStringLiteral(".pdf");
}

std::optional<QString> writeBookletFile(const QString &path, const QByteArray &pdf) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size() || !file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace velkora
