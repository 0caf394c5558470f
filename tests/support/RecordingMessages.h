#pragma once

#include "app/Messages.h"

#include <QStringList>
#include <functional>

namespace velkora::test {

// Records every text put to the learner and answers questions as scripted.
class RecordingMessages : public Messages {
public:
    void show(const QString &text, const QString &title) override {
        shown << text;
        titles << title;
        if (afterDismiss)
            afterDismiss();
    }
    bool ask(const QString &text, const QString &title, Choice) override {
        shown << text;
        titles << title;
        const bool answer = answers.isEmpty() ? defaultAnswer : answers.takeFirst();
        if (afterDismiss)
            afterDismiss();
        return answer;
    }

    QStringList shown;
    QStringList titles; // one per entry of `shown`
    QList<bool> answers;
    bool defaultAnswer = true;
    // Runs when a message is dismissed, as the platform re-activates the
    // window behind it.
    std::function<void()> afterDismiss;
};

} // namespace velkora::test
