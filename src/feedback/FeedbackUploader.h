#pragma once

#include "feedback/FeedbackReport.h"
#include "feedback/FeedbackServer.h"

#include <QObject>
#include <QTimer>
#include <chrono>
#include <memory>

class QThread;

namespace velkora {

class LoopbackRelay;

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
// sender lives in. A server on the network is reached through a relay that
// the sender cuts when the whole send has not ended by the deadline (a
// server may answer one byte a second, which no timeout of the driver
// ends), or when the sender is destroyed at quitting.
class FeedbackSender : public QObject {
    Q_OBJECT
public:
    // The driver's login timeout and statement timeout (5 s and 10 s as
    // shipped) end most failures well before.
    static constexpr std::chrono::milliseconds defaultDeadline{30000};

    explicit FeedbackSender(FeedbackServer server, QObject *parent = nullptr);
    ~FeedbackSender() override; // cuts a send in progress

    void setDeadline(std::chrono::milliseconds deadline) { m_deadline.setInterval(deadline); }
    // Ignored while a send is running.
    void send(const FeedbackReport &report);
    bool isSending() const { return m_thread != nullptr; }

signals:
    void finished(bool sent);

private:
    void cut();

    FeedbackServer m_server;
    QTimer m_deadline;
    std::unique_ptr<LoopbackRelay> m_relay;
    QThread *m_thread = nullptr;
};

} // namespace velkora
