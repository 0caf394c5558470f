#pragma once

#include "exam/paper/ExamSettings.h"

#include <QObject>
#include <QString>
#include <QTimer>

namespace velkora {

// Source of the countdown's minute ticks, so tests can tick by hand.
class Ticker : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void start() = 0;
    virtual void stop() = 0;

signals:
    void ticked();
};

// Ticks every `intervalMs` milliseconds on a QTimer.
class TimerTicker : public Ticker {
    Q_OBJECT
public:
    explicit TimerTicker(int intervalMs = 60000, QObject *parent = nullptr);
    void start() override { m_timer.start(); }
    void stop() override { m_timer.stop(); }

private:
    QTimer m_timer;
};

// The minutes left of the exam, counted down by one on every tick from
// `minutes` to 0, where it stops. Nothing else happens at zero: the exam
// goes on. Submission stops it for good.
class ExamCountdown : public QObject {
    Q_OBJECT
public:
    static constexpr int examMinutes = velkora::examMinutes;

    // Takes ownership of `ticker`. A resumed exam starts with the minutes it
    // had left.
    explicit ExamCountdown(Ticker *ticker, int minutesLeft = examMinutes,
                           QObject *parent = nullptr);

    int minutesLeft() const { return m_minutes; }
    // The exam's time so far, a resumed exam's earlier time included.
    int elapsedSeconds() const { return (examMinutes - m_minutes) * 60; }
    QString label() const { return QString::number(m_minutes); }
    bool isRunning() const { return m_running; }

    void start();
    void stop();

signals:
    void minutesChanged(const QString &label);

private:
    void tick();

    Ticker *m_ticker;
    int m_minutes;
    bool m_running = false;
};

} // namespace velkora
