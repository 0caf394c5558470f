#pragma once

#include "browse/BrowseSession.h"
#include "grading/BrowseSide.h"

#include <QWidget>
#include <functional>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QPrinter;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace velkora {

struct AppConfig;
class BankConnection;
class BookletExport;
class ErrorReportWindow;
class GradingCommands;
class MainToolbar;
class Messages;
class PagePresenter;
class PageToolbar;
class ProgramFolder;
class TitleStrip;
class WebPageView;
struct NavigationNode;
struct ProgramState;
struct TextSizeStep;

// The main window (TForm10): the bank's tree on the left, the chapter page
// on the right, the program's commands above. Every command is a QAction
// named after the designer's component that carries it (`NewImage10`), and
// that component's button triggers it. The state and rules of browsing live
// in BrowseSession; this class shows what they decide.
class MainWindow : public QWidget, public BrowseSide {
    Q_OBJECT
public:
    MainWindow(const ProgramFolder &folder, BankConnection &bank, ProgramState &program,
               const AppConfig &config, Messages &messages, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Start-up and every view entry: the tree for the view, then the page of
    // the node at tree position 2.
    void refreshTree();
    void activate();
    // Shows the bank, replaced and opened anew, as start-up does.
    void reloadBank();

    // Commands (each also an action of the window).
    void showSelectedNode();
    void returnToChapterPractice();
    void openFavourites();
    void showAllAnswers() override;
    void hideAllAnswers();
    void printPage();
    void enlargeText();
    void reduceText();
    void enterFullScreen();
    void leaveFullScreen();
    void minimise();
    void toggleMaximised();
    void exitProgram();
    // A PDF booklet of the questions of the view or the search page shown.
    void exportBooklet();
    // The questions a booklet holds: those of the search page shown, else
    // those of the view in tree order; none in chapter practice. Throws
    // StoreError.
    QList<RowId> bookletQuestions() const;
    // In-page navigation; true when it may go through.
    bool handleNavigation(const QUrl &url);

    // BrowseSide, for the grading commands.
    QString currentChapter() const override { return m_session.currentTreeId(); }
    ViewMode viewMode() const override { return m_session.viewMode(); }
    bool showsSearchResults() const override { return m_session.showsSearchResults(); }
    PageView &page() override;
    bool interceptArmed() const override { return m_session.interceptArmed(); }
    void setInterceptArmed(bool armed) override { m_session.setInterceptArmed(armed); }
    void rebuildPage() override;
    void enterView(ViewMode mode) override;

    // Shows a composed search page in place of the chapter page, then runs
    // `afterShown` on it (the highlighting of the hits).
    void showSearchPage(const QStringList &fragments, const QString &afterShown,
                        BrowseSession::SearchPage page);
    // Maps a picture name of the bank to the file the page asks for.
    std::function<QString(const QString &)> pictureLocator() const;

    // Chooses a printer for the page; false when the learner cancelled.
    using PrinterChooser = std::function<bool(QPrinter &)>;
    void setPrinterChooser(PrinterChooser chooser) { m_choosePrinter = std::move(chooser); }
    // Runs a command that another part of the program provides.
    void setCommand(const char *actionName, std::function<void()> command);

    const BrowseSession &session() const { return m_session; }
    // Set while the simulated exam is being entered from the toolbar.
    bool &examRunningMark() { return m_session.examRunning(); }
    bool bankOpened() const { return m_bankOpened; }
    QString panelCaption() const; // caption of Panel6
    QTreeWidget *tree() const { return m_tree; }
    WebPageView *pageView() const { return m_pageView; }
    PageToolbar *pageToolbar() const { return m_pageToolbar; }
    MainToolbar *mainToolbar() const { return m_mainToolbar; }
    TitleStrip *titleStrip() const { return m_titleStrip; }
    QLabel *statusPanel(int index) const { return m_statusPanels[index]; }
    QTreeWidgetItem *nodeAt(int position) const;
    ErrorReportWindow *errorReportWindow() const { return m_errorReport; }
    QFrame *treeColumn() const { return m_panel2; }
    GradingCommands &grading() const { return *m_grading; }
    BookletExport &booklet() const { return *m_booklet; }
    QPushButton *exportBookletButton() const { return m_exportBookletButton; }

signals:
    // The bank was opened anew, after a restore replaced it.
    void bankReloaded();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildLayout();
    void createCommands();
    QAction *addCommand(const char *name, void (MainWindow::*command)());
    void readBankHeader();
    void rebuildTree();
    void addNodes(QTreeWidgetItem *parent, const QList<NavigationNode> &nodes, int &position);
    void showChapter(RowId treeId);
    // Puts fragments into the page view, telling a template problem once.
    void presentPage(const QStringList &fragments);
    void pressAnswerButtons(bool show);
    void changeTextSize(TextSizeStep (*step)(int &zoomLevel));
    void toggleFavourite(RowId questionId);
    void showErrorReport(RowId questionId);
    void setViewCaption(ViewMode mode);
    void prepareViewEntry();
    void resetAnswerButtons();
    void inform(const QString &text);
    void informOnce(bool &told, const QString &text);
    void notYetAvailable();

    const ProgramFolder &m_folder;
    BankConnection &m_bank;
    ProgramState &m_program;
    const AppConfig &m_config;
    Messages &m_messages;
    BrowseSession m_session;
    bool m_bankOpened = false;
    bool m_templateMissingTold = false;
    bool m_templateDamagedTold = false;
    bool m_templateFailedTold = false;

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
    GradingCommands *m_grading = nullptr;
    QPushButton *m_exportBookletButton = nullptr;
    BookletExport *m_booklet = nullptr;
};

} // namespace velkora
