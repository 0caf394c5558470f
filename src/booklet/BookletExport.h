#pragma once

#include "booklet/BookletRequest.h"

#include <QObject>
#include <functional>
#include <optional>

class QWidget;

namespace velkora {

class BankConnection;
class ProgramFolder;

// The learner's way from a list of questions to a PDF file: where the
// answers go, where the file goes, then composing and printing under a
// progress display that can be cancelled. The two questions are seams, so
// tests answer them without dialogs.
class BookletExport : public QObject {
    Q_OBJECT
public:
    using PlacementChooser = std::function<std::optional<AnswerPlacement>()>;
    // Asks for the file to write, starting from `preset`; empty when cancelled.
    using FileChooser = std::function<QString(const QString &preset)>;

    BookletExport(const ProgramFolder &folder, BankConnection &bank, QWidget *window);

    void setPlacementChooser(PlacementChooser chooser) { m_choosePlacement = std::move(chooser); }
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

    // Exports the questions under `title`; returns what to tell the learner,
    // empty when the learner cancelled.
    QString exportBooklet(const QString &subject, const QString &title,
                          const QList<RowId> &questionIds);

signals:
    // Composing, loading and printing have begun (0, 1, 2).
    void stageReached(int stage);

private:
    QString write(const BookletRequest &request, const QString &subject, const QString &path);

    const ProgramFolder &m_folder;
    BankConnection &m_bank;
    QWidget *m_window;
    PlacementChooser m_choosePlacement;
    FileChooser m_chooseFile;
    QString m_lastFolder;
};

} // namespace velkora
