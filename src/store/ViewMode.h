#pragma once

#include <QString>

namespace velkora {

// The tree and the chapter pages serve three views. The view is told by the
// caption of the tree header, compared as whole text, blanks included.
enum class ViewMode { ChapterPractice, Favourites, WrongQuestions };

namespace captions {
inline const QString favourites = QStringLiteral("收 藏 试 题");
inline const QString wrongQuestions = QStringLiteral("错 题 题 库");
inline const QString chapterPractice = QStringLiteral("Velkora目录");
inline const QString startup = QStringLiteral("高 级 试 题");
} // namespace captions

inline ViewMode viewModeForCaption(const QString &caption) {
    if (caption == captions::favourites)
        return ViewMode::Favourites;
    if (caption == captions::wrongQuestions)
        return ViewMode::WrongQuestions;
    return ViewMode::ChapterPractice;
}

} // namespace velkora
