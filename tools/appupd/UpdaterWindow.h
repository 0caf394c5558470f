#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace velkora {

class Messages;
class UpdateRun;

// The updater's small window: what the run does now, a progress bar for
// the download and 取消 while the old bank can still be kept. At the end it
// tells the learner the outcome and closes; the caller starts the program
// again after an update.
class UpdaterWindow : public QWidget {
    Q_OBJECT
public:
    UpdaterWindow(UpdateRun &run, Messages &messages, QWidget *parent = nullptr);

signals:
    // The learner has read the outcome.
    void done(bool updated);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showProgress(qint64 done, qint64 total);
    void finish(bool updated, const QString &message);

    UpdateRun &m_run;
    Messages &m_messages;
    QLabel *m_step;
    QProgressBar *m_progress;
    QPushButton *m_cancel;
    bool m_finished = false;
};

} // namespace velkora
