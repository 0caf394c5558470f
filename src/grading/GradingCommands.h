#pragma once

#include <QString>
#include <functional>

class QDialog;

namespace velkora {

class MainWindow;

// The main window's commands of self-testing: submit and grade the chapter
// page, answer it again, and the wrong-question bank with its view.
class GradingCommands {
public:
    // Runs one of the commands' windows; modal by default. Tests run them
    // without blocking to look inside.
    using WindowRunner = std::function<void(QDialog &)>;

    explicit GradingCommands(MainWindow &window);

    void bitBtn1Click();    // submit: grade and record the page, then the score
    void button1Click();    // the score window, then the question about the bank
    void newImage11Click(); // answer the page again
    void newImage20Click(); // the wrong-question bank and its view

    void setWindowRunner(WindowRunner runner) { m_runWindow = std::move(runner); }

private:
    void setPageButtonVisible(const char *name, bool visible);

    MainWindow &m_window;
    WindowRunner m_runWindow;
};

} // namespace velkora
