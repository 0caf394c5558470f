#pragma once

#include "search/SearchIndex.h"

#include <QObject>
#include <optional>

class QLineEdit;

namespace velkora {

class BankConnection;
class MainWindow;
class Messages;

// Searching the whole bank from the main window: the search field on the
// title strip, Ctrl+F (the action `SearchBank`) to reach it, and the results
// page shown in place of the chapter page. The index is looked for once per
// opened bank and built, with a progress display, when it is missing or
// belongs to other content.
class SearchCommand : public QObject {
    Q_OBJECT
public:
    SearchCommand(MainWindow &window, BankConnection &bank, Messages &messages);

    QLineEdit *field() const { return m_field; }
    // Searches for the field's text and shows what was found.
    void search();

private:
    // True when the index is ready; false when the learner cancelled its
    // build or it failed (told).
    bool prepareIndex();

    MainWindow &m_window;
    BankConnection &m_bank;
    Messages &m_messages;
    QLineEdit *m_field;
    std::optional<SearchIndex> m_index; // reset whenever the bank is opened anew
};

} // namespace velkora
