#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>

namespace velkora {

// Keeps to one running program per learner's data folder: two programs on
// one bank would replace it under each other. The first start holds a lock
// file in the data folder and listens on a local socket; a later start
// finds the lock held, asks the first program through the socket to come to
// the front, and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Start {
        First,            // this program runs; no other has the folder
        HandedOver,       // another program has the folder and was asked to the front
        OtherUnreachable, // another program has the folder but does not answer
    };

    explicit SingleInstance(const QString &dataFolder, QObject *parent = nullptr);

    // A lock that a killed program left is taken over. A folder that takes
    // no lock file (read-only) does not stop the program: it runs unguarded.
    Start claim();

signals:
    // A later start asked this program to bring its window to the front.
    void activationRequested();

private:
    void listen();
    bool askToFront() const;

    QString m_dataFolder;
    QLockFile m_lock;
    QLocalServer m_server;
    QString m_serverName;
};

} // namespace velkora
