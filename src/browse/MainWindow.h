#pragma once

#include "browse/PagePrinter.h"
#include "chrome/MainWindowCommands.h"

#include <QWidget>

class QShortcut;

namespace velkora {

class BankConnection;
class BrowseHost;
class ChapterBrowser;
class ChapterTreePanel;
class ErrorReportWindow;
class InPageCommands;
class MainStatusBar;
class MainToolbar;
class Messages;
class PageToolbar;
class ProgramFolder;
class ReadingPlaceMemory;
class TitleStrip;
class WebPageView;

// The main window (TForm10): the bank's tree on the left, the chapter page
// on the right, the program's commands above. Browsing itself is the
// ChapterBrowser's; the window lays out its parts, carries out the commands
// that concern the window, and hands the rest of the program its commands
// and the BrowseHost through which features act on the page.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(const ProgramFolder &folder, BankConnection &bank, Messages &messages,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    // From now on the window keeps where the learner is in `memory`, and
    // start() opens where the learner left off.
    void rememberPlaces(std::unique_ptr<ReadingPlaceMemory> memory);
    // Start-up: the tree, then the page of its first chapter, or of the
    // chapter the learner left off in.
    void start();
    // The bank was replaced and opened anew: shown as at start-up.
    void showReopenedBank();
    bool bankOpened() const;

    const MainWindowCommands &commands() const { return m_commands; }
    BrowseHost &browseHost();
    // Where other commands put their entries (the search field).
    TitleStrip &titleStrip() const { return *m_titleStrip; }
    ErrorReportWindow &errorReportWindow() const { return *m_errorReport; }
    InPageCommands &inPageCommands() const { return *m_inPageCommands; }
    void setPrinterChooser(PagePrinter::PrinterChooser chooser);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildLayout();
    void connectCommands();
    void addShortcuts();
    void keepPlace();
    bool fullScreenShown() const;
    void showBankHeader();
    void enterFullScreen();
    void leaveFullScreen();
    void toggleMaximised();
    void exitProgram();

    const ProgramFolder &m_folder;
    BankConnection &m_bank;
    Messages &m_messages;
    MainWindowCommands m_commands;

    TitleStrip *m_titleStrip = nullptr;
    MainToolbar *m_mainToolbar = nullptr;
    ChapterTreePanel *m_treePanel = nullptr;
    PageToolbar *m_pageToolbar = nullptr;
    WebPageView *m_pageView = nullptr;
    MainStatusBar *m_statusBar = nullptr;
    ErrorReportWindow *m_errorReport = nullptr;
    InPageCommands *m_inPageCommands = nullptr;
    ChapterBrowser *m_browser = nullptr;
    std::unique_ptr<PagePrinter> m_printer;
    std::unique_ptr<ReadingPlaceMemory> m_placeMemory;
    QShortcut *m_leaveFullScreenKey = nullptr;
};

} // namespace velkora
