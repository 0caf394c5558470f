#include "maintenance/WorkerThread.h"

#include <QEventLoop>
#include <QThread>
#include <memory>

namespace velkora {

void runOnWorkerThread(const std::function<void()> &work) {
    const std::unique_ptr<QThread> thread(QThread::create(work));
    QEventLoop loop;
    // Queued to this thread, so an end before exec() is not missed.
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    thread->wait();
}

} // namespace velkora
