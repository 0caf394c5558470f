#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <optional>

namespace velkora {

// The file name a booklet is offered under: "错题题库-2026-12-09.pdf". Signs
// a file name cannot hold are replaced.
QString suggestedBookletName(const QString &title, QDate date);

// The path with ".pdf" added when the learner typed a name without it.
QString withPdfSuffix(const QString &path);

// Writes the PDF in one step: the file appears whole or not at all, and an
// existing file is replaced only once the new one is complete. Returns the
// system's reason when it could not be written.
std::optional<QString> writeBookletFile(const QString &path, const QByteArray &pdf);

} // namespace velkora
