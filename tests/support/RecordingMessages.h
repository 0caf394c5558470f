#pragma once

#include "app/Messages.h"

#include <QStringList>
#include <functional>

namespace velkora::test {

// Records every text put to the learner and answers questions as scripted.
class RecordingMessages : public Messages {
public:
    void inform(const QString &text) override {
        shown << text;
        if (afterDismiss)
            afterDismiss();
    }
    bool ask(const QString &text, const QString &, Choice) override {
        shown << text;
        const bool answer = answers.isEmpty() ? defaultAnswer : answers.takeFirst();
        if (afterDismiss)
            afterDismiss();
        return answer;
    }

    QStringList shown;
    QList<bool> answers;
    bool defaultAnswer = true;
    // Runs when a message is dismissed, as the platform re-activates the
    // window behind it.
    std::function<void()> afterDismiss;
};

} // namespace velkora::test
