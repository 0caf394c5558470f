#pragma once

#include <QObject>
#include <QTimer>
#include <QUrl>

namespace velkora {

class InterceptingPage;

// Prints a local HTML document to an A4 PDF on an off-screen page of its
// own, so the page the learner sees stays as it is. A print that takes
// longer than five minutes, loading included, fails. The page is the
// program's offline page with scripts off: the bank's texts are printed,
// never run. Every print ends in `printed` or `failed`, or in neither once
// cancelled.
class BookletPrinter : public QObject {
    Q_OBJECT
public:
    enum class Failure { LoadFailed, PrintFailed, TimedOut };

    explicit BookletPrinter(QObject *parent = nullptr);
    ~BookletPrinter() override;

    void print(const QUrl &document);
    void cancel();

signals:
    void loaded(); // the document is laid out; printing starts
    void printed(const QByteArray &pdf);
    void failed(BookletPrinter::Failure failure);

private:
    void loadFinished(bool ok);
    void fail(Failure failure);

    InterceptingPage *m_page;
    QTimer m_timeout;
    quint64 m_job = 0;
    bool m_loading = false;
};

} // namespace velkora
