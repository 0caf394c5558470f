#include "booklet/BookletOptionsDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velkora {

BookletOptionsDialog::BookletOptionsDialog(QWidget *parent)
    : QDialog(parent), m_atEnd(new QRadioButton(QStringLiteral("答案与解析集中放在最后"), this)),
      m_afterEach(new QRadioButton(QStringLiteral("答案与解析紧跟在每道题之后"), this)) {
    setObjectName(QStringLiteral("BookletOptions"));
    setWindowTitle(QStringLiteral("导出PDF"));
    m_atEnd->setChecked(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确 定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取 消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *column = new QVBoxLayout(this);
    column->addWidget(new QLabel(QStringLiteral("答案与解析的位置："), this));
    column->addWidget(m_atEnd);
    column->addWidget(m_afterEach);
    column->addWidget(buttons);
}

AnswerPlacement BookletOptionsDialog::placement() const {
    return m_afterEach->isChecked() ? AnswerPlacement::AfterEachQuestion : AnswerPlacement::AtEnd;
}

std::optional<AnswerPlacement> BookletOptionsDialog::ask(QWidget *parent) {
    BookletOptionsDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.placement();
}

} // namespace velkora
