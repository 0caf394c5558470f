#pragma once

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
    static constexpr int examMinutes = 90;

    // Takes ownership of `ticker`.
    explicit ExamCountdown(Ticker *ticker, int minutes = examMinutes, QObject *parent = nullptr);

    int minutesLeft() const { return m_minutes; }
    // The exam's time so far: its minutes less those left.
    int elapsedSeconds() const { return (m_startMinutes - m_minutes) * 60; }
    QString label() const { return QString::number(m_minutes); }
    bool isRunning() const { return m_running; }

    void start();
    void stop();

signals:
    void minutesChanged(const QString &label);

private:
    void tick();

    Ticker *m_ticker;
    int m_startMinutes;
    int m_minutes;
    bool m_running = false;
};

} // namespace velkora
