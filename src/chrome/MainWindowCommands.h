#pragma once

class QAction;
class QWidget;

namespace velkora {

// The main window's commands, a QAction each. Every action is named after
// the designer component that carries its button (the table below), and
// that button triggers it; the parts of the program that carry a command
// out connect to its member.
struct MainWindowCommands {
    // Main toolbar.
    QAction *chapterPractice = nullptr;
    QAction *favourites = nullptr;
    QAction *simulatedExam = nullptr;
    QAction *examSettings = nullptr; // its button stays hidden
    QAction *backup = nullptr;
    QAction *wrongQuestions = nullptr;
    QAction *restore = nullptr;
    QAction *updateCheck = nullptr;
    // Page toolbar.
    QAction *showAnswers = nullptr;
    QAction *hideAnswers = nullptr;
    QAction *answerAgain = nullptr;
    QAction *submitChapter = nullptr;
    QAction *print = nullptr;
    QAction *largerText = nullptr;
    QAction *smallerText = nullptr;
    QAction *fullScreen = nullptr;
    QAction *leaveFullScreen = nullptr;
    // Title strip.
    QAction *minimise = nullptr;
    QAction *maximise = nullptr;
    QAction *restoreSize = nullptr;
    QAction *exit = nullptr;
    QAction *studyStatistics = nullptr;
    QAction *searchBank = nullptr;
    QAction *dailyReview = nullptr;
    // Tree header.
    QAction *exportBooklet = nullptr;

    // Makes every command an action of `window`, named as the table says.
    static MainWindowCommands createFor(QWidget *window);
};

using MainWindowCommand = QAction *MainWindowCommands::*;

struct CommandName {
    MainWindowCommand command;
    const char *designerName;
};

inline constexpr CommandName commandNames[] = {
    {&MainWindowCommands::chapterPractice, "gjst"},
    {&MainWindowCommands::favourites, "NewImage1"},
    {&MainWindowCommands::simulatedExam, "NewImage6"},
    {&MainWindowCommands::examSettings, "cssz"},
    {&MainWindowCommands::backup, "NewImage4"},
    {&MainWindowCommands::wrongQuestions, "NewImage20"},
    {&MainWindowCommands::restore, "NewImage2"},
    {&MainWindowCommands::updateCheck, "rjsj"},
    {&MainWindowCommands::showAnswers, "NewImage10"},
    {&MainWindowCommands::hideAnswers, "NewImage16"},
    {&MainWindowCommands::answerAgain, "NewImage11"},
    {&MainWindowCommands::submitChapter, "NewImage12"},
    {&MainWindowCommands::print, "NewImage13"},
    {&MainWindowCommands::largerText, "NewImage14"},
    {&MainWindowCommands::smallerText, "NewImage15"},
    {&MainWindowCommands::fullScreen, "NewImage17"},
    {&MainWindowCommands::leaveFullScreen, "NewImage18"},
    {&MainWindowCommands::minimise, "NewImage9"},
    {&MainWindowCommands::maximise, "NewImage8"},
    {&MainWindowCommands::restoreSize, "NewImage19"},
    {&MainWindowCommands::exit, "NewImage7"},
    {&MainWindowCommands::studyStatistics, "StudyStatistics"},
    {&MainWindowCommands::searchBank, "SearchBank"},
    {&MainWindowCommands::dailyReview, "DailyReview"},
    {&MainWindowCommands::exportBooklet, "ExportBooklet"},
};

// The designer name of a command: the name of its action and its button.
constexpr const char *designerName(MainWindowCommand command) {
    for (const CommandName &entry : commandNames)
        if (entry.command == command)
            return entry.designerName;
    return nullptr;
}

} // namespace velkora
