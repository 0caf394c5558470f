#pragma once

#include "search/SearchIndex.h"

#include <QObject>
#include <optional>

class QAction;
class QLineEdit;

namespace velkora {

class BankConnection;
class BrowseHost;
class Messages;

// Searching the whole bank from the main window: the search field (for the
// title strip), the command `searchBank` (Ctrl+F) to reach it, and the
// results page shown in place of the chapter page. The index is looked for
// once per opened bank and built, with a progress display, when it is
// missing or belongs to other content.
class SearchCommand : public QObject {
    Q_OBJECT
public:
    SearchCommand(BrowseHost &host, BankConnection &bank, Messages &messages, QAction *searchBank);

    QLineEdit *field() const { return m_field; }
    // Searches for the field's text and shows what was found.
    void search();
    // The bank was opened anew: its index is looked for again.
    void forgetIndex();

private:
    // True when the index is ready; false when the learner cancelled its
    // build or it failed (told).
    bool prepareIndex();

    BrowseHost &m_host;
    BankConnection &m_bank;
    Messages &m_messages;
    QLineEdit *m_field;
    std::optional<SearchIndex> m_index; // reset whenever the bank is opened anew
};

} // namespace velkora
