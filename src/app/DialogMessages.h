#pragma once

#include "base/Messages.h"

#include <QMessageBox>

class QWidget;

namespace velkora {

// Messages as modal message boxes over the window they belong to.
class DialogMessages : public Messages {
public:
    explicit DialogMessages(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    void show(const QString &text, const QString &title) override;
    bool ask(const QString &text, const QString &title, Choice choice) override;

    // The window a message belongs to now.
    QWidget *owner() const;

private:
    int run(QMessageBox::Icon icon, const QString &title, const QString &text,
            QMessageBox::StandardButtons buttons) const;

    QWidget *m_parent;
};

} // namespace velkora
