#pragma once

#include "app/Messages.h"

class QWidget;

namespace velkora {

// Messages as modal message boxes over a parent window.
class DialogMessages : public Messages {
public:
    explicit DialogMessages(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    void show(const QString &text, const QString &title) override;
    bool ask(const QString &text, const QString &title, Choice choice) override;

private:
    QWidget *m_parent;
};

} // namespace velkora
