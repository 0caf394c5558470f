#include "UpdaterWindow.h"

#include "base/Messages.h"
#include "update/UpdateRun.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkora {

namespace {
constexpr qint64 kibibyte = 1024;
} // namespace

UpdaterWindow::UpdaterWindow(UpdateRun &run, Messages &messages, QWidget *parent)
    : QWidget(parent), m_run(run), m_messages(messages), m_step(new QLabel(this)),
      m_progress(new QProgressBar(this)), m_cancel(new QPushButton(QStringLiteral("取消"), this)) {
    setWindowTitle(QStringLiteral("Velkora 数据更新"));
    setObjectName(QStringLiteral("UpdaterWindow"));
    m_step->setWordWrap(true);
    m_step->setMinimumHeight(m_step->fontMetrics().height() * 2);
    m_progress->setRange(0, 0); // busy until the download tells its size
    m_progress->setTextVisible(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_step);
    layout->addWidget(m_progress);
    layout->addLayout(buttons);
    setMinimumWidth(440);

    connect(&m_run, &UpdateRun::stepChanged, m_step, &QLabel::setText);
    connect(&m_run, &UpdateRun::stepChanged, this, [this] {
        m_cancel->setEnabled(m_run.canCancel());
        if (m_progress->maximum() > 0 && m_progress->value() == m_progress->maximum())
            m_progress->setRange(0, 0); // the work after the download
    });
    connect(&m_run, &UpdateRun::progress, this, &UpdaterWindow::showProgress);
    connect(&m_run, &UpdateRun::finished, this, &UpdaterWindow::finish);
    connect(m_cancel, &QPushButton::clicked, &m_run, &UpdateRun::cancel);
}

void UpdaterWindow::showProgress(qint64 done, qint64 total) {
    // In KiB, so that a bank of several GiB still fits the bar's int range.
    m_progress->setRange(0, int(total / kibibyte));
    m_progress->setValue(int(done / kibibyte));
    m_progress->setFormat(QStringLiteral("%1 / %2 MB")
                              .arg(double(done) / (kibibyte * kibibyte), 0, 'f', 1)
                              .arg(double(total) / (kibibyte * kibibyte), 0, 'f', 1));
}

void UpdaterWindow::finish(bool updated, const QString &message) {
    m_finished = true;
    m_cancel->setEnabled(false);
    m_step->setText(message);
    if (updated)
        m_messages.show(message, QStringLiteral("更新完成"));
    else
        m_messages.inform(message);
    emit done(updated);
    close();
}

void UpdaterWindow::closeEvent(QCloseEvent *event) {
    // Closing the window is the cancel button; while the bank is being
    // replaced it waits.
    if (!m_finished) {
        event->ignore();
        m_run.cancel();
        return;
    }
    event->accept();
}

} // namespace velkora
