#pragma once

#include "browse/NavigationTree.h"
#include "page/PageComposer.h"
#include "page/PagePresenter.h"

#include <QWidget>
#include <functional>
#include <memory>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;
class QFrame;
class QPrinter;

namespace velkora {

class AppConfig;
class BankConnection;
class ErrorReportWindow;
class GradingCommands;
struct TextSizeStep;
class MainToolbar;
class Messages;
class PageToolbar;
class ProgramFolder;
class TitleStrip;
class WebPageView;
struct ProgramState;

// State of the main window that its commands share.
struct MainWindowState {
    QList<RowId> nodeIds;     // tree position -> chapter row id (0 above chapters)
    QString currentTreeId;    // chapter whose page is shown
    NumberingState numbering; // questionNo, groupNo, caseHeaderDone, optionsHeaderDone
    int interceptArmed = 0;   // 1: page navigations are in-page commands
    int keepPage = 0;         // 1: the next activation leaves the page as it is
    int layoutMark = 0;       // left of BitBtn1 at the last show
    int zoomLevel = 0;        // text-size counter of the page toolbar
    int fullScreenMark = 0;   // full screen was entered from a maximised window
    int examRunningMark = 0;  // the exam was entered from the toolbar
};

// The main window (TForm10): tree of the bank on the left, the chapter page
// on the right, the program's commands above.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(const ProgramFolder &folder, BankConnection &bank, ProgramState &program,
               const AppConfig &config, Messages &messages, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Handlers named after the events they answer; the view commands run
    // formShow and formActivate directly, as start-up does.
    void formShow();
    void formActivate();
    void treeView1Click();
    // True when the navigation may go through.
    bool webBrowser1BeforeNavigate2(const QUrl &url);
    // The window became active again after another window of the program
    // stood in front of it (a dialog or message closed).
    void activatedAgain();

    // View commands.
    void gjstClick();      // back to chapter practice
    void newImage1Click(); // favourites view
    // Page toolbar.
    void newImage10Click();   // show all answers
    void newImage16Click();   // hide all answers
    void newImage13Click();   // print
    void speedButton2Click(); // larger text
    void speedButton3Click(); // smaller text
    void newImage17Click();   // full-screen display
    void newImage18Click();   // back to window display
    // Title strip.
    void image4Click(); // minimise
    void image6Click(); // maximise / restore
    void tcxtClick();   // exit, after confirmation

    // Shared steps of the commands that enter a view: undo a moved page
    // toolbar, and show the page commands and the tree column again.
    void bringPageToolbarBack();
    void showPageCommands();
    // Enters the favourites or the wrong-question view: the chapters that
    // hold marked questions are marked anew, then tree and page rebuilt.
    void enterMarkedView(ViewMode mode);

    // Chooses a printer for the page; false when the learner cancelled.
    using PrinterChooser = std::function<bool(QPrinter &)>;
    void setPrinterChooser(PrinterChooser chooser) { m_choosePrinter = std::move(chooser); }

    MainWindowState &state() { return m_state; }
    QString viewCaption() const; // caption of Panel6
    void setViewCaption(const QString &caption);
    bool bankOpened() const { return m_bankOpened; }
    BankConnection &bank() const { return m_bank; }
    Messages &messages() const { return m_messages; }
    const ProgramFolder &folder() const { return m_folder; }
    ProgramState &program() const { return m_program; }
    // Shows a message. `keepPageAfter`: the message changes nothing, so the
    // page stays when the window becomes active again after it.
    void inform(const QString &text, bool keepPageAfter = false);

    QTreeWidget *tree() const { return m_tree; }
    WebPageView *pageView() const { return m_pageView; }
    PageToolbar *pageToolbar() const { return m_pageToolbar; }
    MainToolbar *mainToolbar() const { return m_mainToolbar; }
    TitleStrip *titleStrip() const { return m_titleStrip; }
    QLabel *statusPanel(int index) const { return m_statusPanels[index]; }
    // The node at a depth-first position, or nullptr.
    QTreeWidgetItem *nodeAt(int position) const;
    ErrorReportWindow *errorReportWindow() const { return m_errorReport; }
    QFrame *treeColumn() const { return m_panel2; }
    GradingCommands &grading() const { return *m_grading; }

private:
    void formCreate();
    void buildLayout();
    void connectCommands();
    void rebuildTree();
    void addNodes(QTreeWidgetItem *parent, const QList<NavigationNode> &nodes, int &position);
    void showChapterPage(QTreeWidgetItem *node);
    void pressAnswerButtons(bool show);
    void changeTextSize(TextSizeStep (*step)(int &zoomLevel));
    void toggleFavourite(const QString &address);
    void showErrorReport(const QString &address);
    void setPageButtonVisible(const char *name, bool visible);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    const ProgramFolder &m_folder;
    BankConnection &m_bank;
    ProgramState &m_program;
    const AppConfig &m_config;
    Messages &m_messages;
    MainWindowState m_state;
    bool m_bankOpened = false;
    bool m_inActivation = false;
    // A message shown while the activation itself built the page must not
    // start the same activation again when it is dismissed.
    bool m_skipNextActivation = false;
    bool m_templateMissingTold = false; // a missing page template is told once

    TitleStrip *m_titleStrip = nullptr;
    MainToolbar *m_mainToolbar = nullptr;
    QFrame *m_panel2 = nullptr;
    QFrame *m_panel6 = nullptr;
    QLabel *m_label3 = nullptr;
    QTreeWidget *m_tree = nullptr;
    PageToolbar *m_pageToolbar = nullptr;
    WebPageView *m_pageView = nullptr;
    QLabel *m_statusPanels[3] = {};
    std::unique_ptr<PagePresenter> m_presenter;
    ErrorReportWindow *m_errorReport = nullptr;
    PrinterChooser m_choosePrinter;
    std::unique_ptr<GradingCommands> m_grading;
};

} // namespace velkora
