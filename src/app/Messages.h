#pragma once

#include <QString>

namespace velkora {

// Every message and question the program puts to the learner goes through
// this, so the texts can be checked and the answers scripted in tests.
class Messages {
public:
    enum class Choice { YesNo, OkCancel };

    virtual ~Messages() = default;
    virtual void inform(const QString &text) = 0;
    // True for Yes / OK.
    virtual bool ask(const QString &text, const QString &title, Choice choice) = 0;
};

} // namespace velkora
