#pragma once

#include "store/Records.h"

#include <QRect>
#include <QSettings>
#include <optional>

namespace velkora {

// Where the learner left off: the chapter, the question at the top of its
// page, the text size and the main window's size and place.
struct ReadingPlace {
    std::optional<RowId> chapter;
    std::optional<RowId> question;
    std::optional<int> zoomLevel;  // the text-size counter
    std::optional<int> textPixels; // the body font size it last gave the page
    QRect windowGeometry;          // the window's normal (not maximised) frame
    bool maximised = false;
};

// Keeps the reading place between runs in a settings file of the user's,
// one group per bank file: a chapter id means nothing in another bank.
// Every change is written at once, so a program that is killed still opens
// where the learner last moved to.
class ReadingPlaceMemory {
public:
    ReadingPlaceMemory(const QString &settingsFile, const QString &bankPath);

    ReadingPlace recall() const;
    // A new chapter starts at its top.
    void keepChapter(RowId chapter);
    void keepQuestion(std::optional<RowId> question);
    void keepTextSize(int zoomLevel, std::optional<int> textPixels);
    void keepWindow(const QRect &normalGeometry, bool maximised);

private:
    void write(const QString &key, const QVariant &value);

    mutable QSettings m_settings;
    QString m_group;
};

} // namespace velkora
