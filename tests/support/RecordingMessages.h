#pragma once

#include "base/Messages.h"

#include <QStringList>
#include <functional>

namespace velkora::test {

// Records every text put to the learner and answers questions as scripted.
class RecordingMessages : public Messages {
public:
    void show(const QString &text, const QString &title) override {
        shown << text;
        titles << title;
    }
    bool ask(const QString &text, const QString &title, Choice) override {
        shown << text;
        titles << title;
        const bool answer = answers.isEmpty() ? defaultAnswer : answers.takeFirst();
        return answer;
    }

    QStringList shown;
    QStringList titles; // one per entry of `shown`
    QList<bool> answers;
    bool defaultAnswer = true;
};

} // namespace velkora::test
