#include "grading/WrongQuestionsWindow.h"

#include "grading/WrongQuestionBank.h"
#include "store/StoreError.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTableWidget>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

namespace velkora {

Q_LOGGING_CATEGORY(lcWrongList, "velkora.grading")

namespace {
constexpr int idRole = Qt::UserRole;
constexpr int checkColumn = 0;
constexpr int contentColumn = 1;

// A stem as readable text on one line: no tags, entities resolved.
QString readableText(const QString &html) {
    return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

QTableWidgetItem *checkItem(RowId questionId) {
    auto *item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    item->setData(idRole, questionId);
    return item;
}

QTableWidgetItem *textItem(const QString &text) {
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setToolTip(text);
    return item;
}
} // namespace

WrongQuestionsWindow::WrongQuestionsWindow(const QSqlDatabase &db, QWidget *parent)
    : QDialog(parent), m_db(db), m_list(new QTableWidget(0, 2, this)),
      m_selectAll(new QPushButton(QStringLiteral("全选"), this)),
      m_invert(new QPushButton(QStringLiteral("反选"), this)),
      m_delete(new QPushButton(QStringLiteral("删除"), this)),
      m_confirm(new QPushButton(QStringLiteral("确定"), this)) {
    setObjectName(QStringLiteral("TForm16"));
    setWindowTitle(QStringLiteral("错题题库"));
    setFixedSize(1000, 563);

    m_list->setObjectName(QStringLiteral("lstDetail"));
    m_list->setHorizontalHeaderLabels({QStringLiteral("选题"), QStringLiteral("错题内容")});
    m_list->setShowGrid(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setWordWrap(false);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setHighlightSections(false);
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->setColumnWidth(contentColumn, 900);
    m_list->setColumnWidth(checkColumn, 60);
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(16);
    m_list->setFont(font);

    m_selectAll->setObjectName(QStringLiteral("btnSelAll"));
    m_invert->setObjectName(QStringLiteral("btnInvert"));
    m_delete->setObjectName(QStringLiteral("bsSkinButton1"));
    m_confirm->setObjectName(QStringLiteral("bsSkinButton2"));
    // Enter confirms; it never checks, inverts or deletes.
    for (QPushButton *button : {m_selectAll, m_invert, m_delete})
        button->setAutoDefault(false);
    m_confirm->setDefault(true);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(6, 6, 6, 6);
    root->addWidget(m_list, 1);
    auto *strip = new QHBoxLayout;
    strip->addWidget(m_selectAll);
    strip->addWidget(m_invert);
    strip->addStretch(1);
    strip->addWidget(m_delete);
    strip->addWidget(m_confirm);
    root->addLayout(strip);

    connect(m_selectAll, &QPushButton::clicked, this, &WrongQuestionsWindow::checkAll);
    connect(m_invert, &QPushButton::clicked, this, &WrongQuestionsWindow::invertChecks);
    connect(m_delete, &QPushButton::clicked, this, &WrongQuestionsWindow::deleteChecked);
    connect(m_confirm, &QPushButton::clicked, this, &QDialog::close);
}

void WrongQuestionsWindow::showEvent(QShowEvent *event) {
    reload();
    QDialog::showEvent(event);
}

void WrongQuestionsWindow::reload() {
    QList<WrongQuestion> questions;
    try {
        questions = WrongQuestionBank(m_db).questions();
    } catch (const StoreError &error) {
        qCWarning(lcWrongList) << "wrong-question bank not read:" << error.message();
    }
    m_list->setRowCount(0);
    m_list->setRowCount(int(questions.size()));
    for (int row = 0; row < questions.size(); ++row) {
        m_list->setItem(row, checkColumn, checkItem(questions[row].id));
        m_list->setItem(row, contentColumn, textItem(readableText(questions[row].content)));
    }
    m_list->setCurrentItem(nullptr); // no row looks chosen before the learner picks one
}

void WrongQuestionsWindow::checkAll() {
    for (int row = 0; row < m_list->rowCount(); ++row)
        m_list->item(row, checkColumn)->setCheckState(Qt::Checked);
}

void WrongQuestionsWindow::invertChecks() {
    for (int row = 0; row < m_list->rowCount(); ++row) {
        QTableWidgetItem *item = m_list->item(row, checkColumn);
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
}

QList<RowId> WrongQuestionsWindow::checkedQuestionIds() const {
    QList<RowId> ids;
    for (int row = 0; row < m_list->rowCount(); ++row) {
        const QTableWidgetItem *item = m_list->item(row, checkColumn);
        if (item->checkState() == Qt::Checked)
            ids.append(item->data(idRole).toLongLong());
    }
    return ids;
}

void WrongQuestionsWindow::deleteChecked() {
    try {
        WrongQuestionBank(m_db).remove(checkedQuestionIds());
    } catch (const StoreError &error) {
        qCWarning(lcWrongList) << "questions not taken out of the bank:" << error.message();
    }
    reload();
}

} // namespace velkora
