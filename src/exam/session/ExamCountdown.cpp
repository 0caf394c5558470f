#include "exam/session/ExamCountdown.h"

namespace velkora {

TimerTicker::TimerTicker(int intervalMs, QObject *parent) : Ticker(parent) {
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &Ticker::ticked);
}

ExamCountdown::ExamCountdown(Ticker *ticker, int minutesLeft, QObject *parent)
    : QObject(parent), m_ticker(ticker), m_minutes(minutesLeft) {
    m_ticker->setParent(this);
    connect(m_ticker, &Ticker::ticked, this, &ExamCountdown::tick);
}

void ExamCountdown::start() {
    if (m_minutes <= 0)
        return;
    m_running = true;
    m_ticker->start();
}

void ExamCountdown::stop() {
    m_running = false;
    m_ticker->stop();
}

void ExamCountdown::tick() {
    // A tick already queued when the countdown stopped changes nothing.
    if (!m_running)
        return;
    --m_minutes;
    emit minutesChanged(label());
    if (m_minutes <= 0)
        stop();
}

} // namespace velkora
