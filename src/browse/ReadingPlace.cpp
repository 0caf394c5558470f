#include "browse/ReadingPlace.h"

#include <QCryptographicHash>
#include <QFileInfo>

namespace velkora {

namespace {
const QString chapterKey = QStringLiteral("chapter");
const QString questionKey = QStringLiteral("question");
const QString zoomKey = QStringLiteral("textSizeCounter");
const QString pixelsKey = QStringLiteral("textPixels");
const QString geometryKey = QStringLiteral("windowGeometry");
const QString maximisedKey = QStringLiteral("maximised");

template <typename Number> std::optional<Number> optionalNumber(const QVariant &value) {
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    return ok ? std::optional<Number>(Number(number)) : std::nullopt;
}
} // namespace

ReadingPlaceMemory::ReadingPlaceMemory(const QString &settingsFile, const QString &bankPath)
    : m_settings(settingsFile, QSettings::IniFormat),
      m_group(QStringLiteral("bank-") +
              QString::fromLatin1(
                  QCryptographicHash::hash(QFileInfo(bankPath).absoluteFilePath().toUtf8(),
                                           QCryptographicHash::Sha1)
                      .toHex()
                      .left(16))) {}

ReadingPlace ReadingPlaceMemory::recall() const {
    m_settings.beginGroup(m_group);
    ReadingPlace place;
    place.chapter = optionalNumber<RowId>(m_settings.value(chapterKey));
    place.question = optionalNumber<RowId>(m_settings.value(questionKey));
    place.zoomLevel = optionalNumber<int>(m_settings.value(zoomKey));
    place.textPixels = optionalNumber<int>(m_settings.value(pixelsKey));
    place.windowGeometry = m_settings.value(geometryKey).toRect();
    place.maximised = m_settings.value(maximisedKey).toBool();
    m_settings.endGroup();
    return place;
}

void ReadingPlaceMemory::write(const QString &key, const QVariant &value) {
    m_settings.beginGroup(m_group);
    if (value.isValid())
        m_settings.setValue(key, value);
    else
        m_settings.remove(key);
    m_settings.endGroup();
}

void ReadingPlaceMemory::keepChapter(RowId chapter) {
    write(chapterKey, chapter);
    write(questionKey, {});
    m_settings.sync();
}

void ReadingPlaceMemory::keepQuestion(std::optional<RowId> question) {
    write(questionKey, question ? QVariant(*question) : QVariant());
    m_settings.sync();
}

void ReadingPlaceMemory::keepTextSize(int zoomLevel, std::optional<int> textPixels) {
    write(zoomKey, zoomLevel);
    write(pixelsKey, textPixels ? QVariant(*textPixels) : QVariant());
    m_settings.sync();
}

void ReadingPlaceMemory::keepWindow(const QRect &normalGeometry, bool maximised) {
    write(geometryKey, normalGeometry);
    write(maximisedKey, maximised);
    m_settings.sync();
}

} // namespace velkora
