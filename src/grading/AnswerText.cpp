#include "grading/AnswerText.h"

namespace velkora {

namespace {
bool isBlankOrControl(QChar c) {
    return c.unicode() <= 0x20 || c.category() == QChar::Other_Control || c.isSpace();
}
} // namespace

QString cleanedAnswer(const QString &answer) {
    qsizetype begin = 0;
    qsizetype end = answer.size();
    while (begin < end && isBlankOrControl(answer[begin]))
        ++begin;
    while (end > begin && isBlankOrControl(answer[end - 1]))
        --end;
    return answer.mid(begin, end - begin);
}

bool answersMatch(const QString &expected, const QString &given) {
    return cleanedAnswer(expected) == cleanedAnswer(given);
}

} // namespace velkora
