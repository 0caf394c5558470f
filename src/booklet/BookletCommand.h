#pragma once

#include "booklet/BookletExport.h"
#include "store/Records.h"

#include <QObject>

namespace velkora {

class BankConnection;
class BrowseHost;
class Messages;
class ProgramFolder;

// 导出PDF of the tree header: a booklet of the questions of the view shown
// (favourites or wrong questions) or of the search page shown; in chapter
// practice the learner is told what to open first.
class BookletCommand : public QObject {
    Q_OBJECT
public:
    BookletCommand(BrowseHost &host, const ProgramFolder &folder, BankConnection &bank,
                   Messages &messages);

    void exportBooklet();
    // The questions a booklet holds: those of the search page shown, else
    // those of the view in tree order; none in chapter practice. Throws
    // StoreError.
    QList<RowId> questions() const;
    // Where the answers and the file go, asked of the learner.
    BookletExport &exporter() { return m_export; }

private:
    BrowseHost &m_host;
    BankConnection &m_bank;
    Messages &m_messages;
    BookletExport m_export;
};

} // namespace velkora
