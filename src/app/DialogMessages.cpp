#include "app/DialogMessages.h"

#include <QApplication>
#include <QMessageBox>

namespace velkora {

void DialogMessages::show(const QString &text, const QString &title) {
    QMessageBox::information(
        m_parent, title.isEmpty() ? QApplication::applicationDisplayName() : title, text);
}

bool DialogMessages::ask(const QString &text, const QString &title, Choice choice) {
    const auto buttons = choice == Choice::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                 : QMessageBox::Ok | QMessageBox::Cancel;
    const auto answer = QMessageBox::question(m_parent, title, text, buttons);
    return answer == QMessageBox::Yes || answer == QMessageBox::Ok;
}

} // namespace velkora
