#pragma once

#include <QWidget>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace velkora {

class WebPageView;

// The error-report window (TForm9): the reported question above, the kinds
// of fault to tick and a remark below. It lives for the whole run and is
// shown, not run modally, for each report.
class ErrorReportWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int reasonCount = 10;

    explicit ErrorReportWindow(QWidget *parent = nullptr);

    WebPageView *pageView() const { return m_pageView; }
    QCheckBox *reason(int index) const { return m_reasons[index]; } // 0-based: CheckBox1 is 0
    QPlainTextEdit *remark() const { return m_memo; }
    QPushButton *confirmButton() const { return m_confirm; }
    QPushButton *cancelButton() const { return m_cancel; }

    // Empties the remark and unticks every reason, for the next report.
    void clearForReport();
    // Check box labels, in the order of the check boxes.
    static const QStringList &reasonLabels();

signals:
    void confirmed();

protected:
    void showEvent(QShowEvent *event) override;

private:
    WebPageView *m_pageView;
    QCheckBox *m_reasons[reasonCount] = {};
    QPlainTextEdit *m_memo;
    QPushButton *m_confirm;
    QPushButton *m_cancel;
};

} // namespace velkora
