#pragma once

#include <QObject>
#include <QString>

class QEvent;

namespace velkora {

// Watches the key releases of the whole application while an exam runs, so
// the letter keys work whichever widget has the focus (the page view's
// focus proxy included). It only looks: every event goes on unchanged.
//
// Each release is named ("a" .. "z" for the letter keys, "1" for the left
// arrow, "2" for the right arrow, nothing for other keys) and appended to
// the key buffer; a buffer of "a" .. "h" is reported, and the buffer is
// emptied after every release.
class KeyReleaseFilter : public QObject {
    Q_OBJECT
public:
    explicit KeyReleaseFilter(QObject *parent = nullptr);
    ~KeyReleaseFilter() override;

    // Registers the filter with the application unless this window has
    // registered it already since the last release().
    void install();
    // Unregisters it (submission); install() does not register it again.
    void remove();
    // Unregisters it and resets the use count (the window closes).
    void release();

    // Around a message: releases are ignored until resume(), which starts
    // again with an empty key buffer.
    void suspend();
    void resume();

    bool isWatching() const { return m_installed && !m_suspended; }
    int useCount() const { return m_useCount; }

    // The name of a released key, empty for keys that have none.
    static QString keyName(int key);

    // Suspends the filter for its own lifetime.
    class Suspension {
    public:
        explicit Suspension(KeyReleaseFilter &filter) : m_filter(filter) { m_filter.suspend(); }
        ~Suspension() { m_filter.resume(); }
        Suspension(const Suspension &) = delete;
        Suspension &operator=(const Suspension &) = delete;

    private:
        KeyReleaseFilter &m_filter;
    };

signals:
    // An option letter key was released: "A" .. "H".
    void optionKeyReleased(const QString &letter);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_installed = false;
    bool m_suspended = false;
    int m_useCount = 0;
    QString m_keyBuffer;
};

} // namespace velkora
