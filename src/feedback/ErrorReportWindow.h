#pragma once

#include "feedback/FeedbackReport.h"
#include "feedback/FeedbackServer.h"
#include "feedback/ReportPreview.h"

#include <QWidget>
#include <memory>

class QAction;
class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace velkora {

class FeedbackSender;
class Messages;
class WebPageView;

// The error-report window (TForm9): the reported question above, the kinds
// of fault to tick and a remark below. It lives for the whole run and is
// shown, not run modally, for each report. "确 定" (action Button1) sends
// the report to the feedback server without freezing the window; "取 消"
// (action Button2) closes it and keeps what was entered.
class ErrorReportWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int reasonCount = FeedbackReport::reasonCount;

    // Questions are shown in the page template at `templatePath`.
    explicit ErrorReportWindow(QString templatePath, QWidget *parent = nullptr);
    ~ErrorReportWindow() override;

    // Where reports go, and who tells the learner the outcome.
    void setFeedbackServer(const FeedbackServer &server);
    void setMessages(Messages &messages) { m_messages = &messages; }

    // Shows the window for a report about the question of `preview`, empty
    // of the last report's ticks and remark.
    void openFor(const ReportPreview &preview);

    WebPageView *pageView() const { return m_pageView; }
    QCheckBox *reason(int index) const { return m_reasons[index]; } // 0-based: CheckBox1 is 0
    QPlainTextEdit *remark() const { return m_memo; }
    QPushButton *confirmButton() const { return m_confirm; }
    QPushButton *cancelButton() const { return m_cancel; }

    // Check box labels, in the order of the check boxes.
    static const QStringList &reasonLabels();

    // The report as the window holds it now.
    FeedbackReport report() const;
    // Sends the report (Button1).
    void send();
    bool isSending() const;

signals:
    // The report was sent and the window closed.
    void confirmed();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void sendFinished(bool sent);
    void tell(const QString &text) const;

    WebPageView *m_pageView;
    QCheckBox *m_reasons[reasonCount] = {};
    QPlainTextEdit *m_memo;
    QPushButton *m_confirm;
    QPushButton *m_cancel;
    QAction *m_sendAction;
    Messages *m_messages = nullptr;
    QString m_templatePath;
    ReportPreview m_reported;
    std::unique_ptr<FeedbackSender> m_sender;
};

} // namespace velkora
