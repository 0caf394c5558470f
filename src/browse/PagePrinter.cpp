#include "browse/PagePrinter.h"

#include "base/Messages.h"
#include "page/WebPageView.h"

#include <QEventLoop>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>

namespace velkora {

namespace {
constexpr int printerAnswerMs = 120000; // a printer that never answers
}

PagePrinter::PagePrinter(WebPageView &view, Messages &messages, QWidget *dialogParent)
    : m_view(view), m_messages(messages), m_choose([dialogParent](QPrinter &printer) {
          QPrintDialog dialog(&printer, dialogParent);
          return dialog.exec() == QDialog::Accepted;
      }) {}

void PagePrinter::print() {
    if (m_view.url().isEmpty()) {
        m_messages.inform(QStringLiteral("Print is Disabled!"));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!m_choose(printer))
        return;
    QEventLoop loop;
    bool printed = false;
    QObject::connect(&m_view, &QWebEngineView::printFinished, &loop, [&](bool ok) {
        printed = ok;
        loop.quit();
    });
    m_view.print(&printer);
    QTimer::singleShot(printerAnswerMs, &loop, &QEventLoop::quit);
    loop.exec();
    if (!printed)
        m_messages.inform(QStringLiteral("打印没有完成，请检查打印机。"));
}

} // namespace velkora
