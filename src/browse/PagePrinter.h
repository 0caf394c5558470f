#pragma once

#include <functional>

class QPrinter;
class QWidget;

namespace velkora {

class Messages;
class WebPageView;

// Prints the page of a view on the printer the learner chooses, waiting
// (with events flowing) for the printer's answer, two minutes at most.
class PagePrinter {
public:
    // Chooses a printer; false when the learner cancelled. The print dialog
    // by default; tests print to a file.
    using PrinterChooser = std::function<bool(QPrinter &)>;

    PagePrinter(WebPageView &view, Messages &messages, QWidget *dialogParent);

    void setPrinterChooser(PrinterChooser chooser) { m_choose = std::move(chooser); }
    void print();

private:
    WebPageView &m_view;
    Messages &m_messages;
    PrinterChooser m_choose;
};

} // namespace velkora
