#pragma once

#include "feedback/FeedbackReport.h"
#include "feedback/FeedbackServer.h"

#include <QObject>

class QThread;

namespace velkora {

// Writes one report as a row of the feedback table `yiyao`, its values
// bound as parameters. Blocks until the server answers or a timeout of the
// connection ends the wait; usable from any thread, since it makes its own
// connection there.
class FeedbackUploader {
public:
    explicit FeedbackUploader(FeedbackServer server) : m_server(std::move(server)) {}

    // False (and logged) when the server cannot be reached, refuses the
    // login or the row.
    bool send(const FeedbackReport &report) const;

private:
    FeedbackServer m_server;
};

// Sends reports on a thread of their own, so the window keeps painting
// while a slow server is waited for; `finished` arrives on the thread the
// sender lives in.
class FeedbackSender : public QObject {
    Q_OBJECT
public:
    explicit FeedbackSender(FeedbackServer server, QObject *parent = nullptr);
    ~FeedbackSender() override; // waits for a send in progress

    // Ignored while a send is running.
    void send(const FeedbackReport &report);
    bool isSending() const { return m_thread != nullptr; }

signals:
    void finished(bool sent);

private:
    FeedbackUploader m_uploader;
    QThread *m_thread = nullptr;
};

} // namespace velkora
