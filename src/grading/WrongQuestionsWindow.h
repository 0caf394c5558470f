#pragma once

#include "store/Records.h"
#include <QDialog>
#include <QSqlDatabase>

class QPushButton;
class QTableWidget;

namespace velkora {

// The list of the wrong-question bank (TForm16): a row with a check box
// per question, read afresh each time the window is shown. Checked rows
// can be taken out of the bank.
class WrongQuestionsWindow : public QDialog {
    Q_OBJECT
public:
    explicit WrongQuestionsWindow(const QSqlDatabase &db, QWidget *parent = nullptr);

    QTableWidget *list() const { return m_list; }
    QPushButton *selectAllButton() const { return m_selectAll; }
    QPushButton *invertButton() const { return m_invert; }
    QPushButton *deleteButton() const { return m_delete; }
    QPushButton *confirmButton() const { return m_confirm; }

    void reload();
    void checkAll();
    void invertChecks();
    // Takes every checked question out of the bank, then reloads.
    void deleteChecked();
    QList<RowId> checkedQuestionIds() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QSqlDatabase m_db;
    QTableWidget *m_list;
    QPushButton *m_selectAll;
    QPushButton *m_invert;
    QPushButton *m_delete;
    QPushButton *m_confirm;
};

} // namespace velkora
