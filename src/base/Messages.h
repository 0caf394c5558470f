#pragma once

#include <QString>

namespace velkora {

// Every message and question the program puts to the learner goes through
// this, so the texts can be checked and the answers scripted in tests.
class Messages {
public:
    enum class Choice { YesNo, OkCancel };

    virtual ~Messages() = default;
    // A message with one OK button; an empty title shows the program's name.
    virtual void show(const QString &text, const QString &title) = 0;
    // True for Yes / OK.
    virtual bool ask(const QString &text, const QString &title, Choice choice) = 0;

    void inform(const QString &text) { show(text, QString()); }
};

} // namespace velkora
