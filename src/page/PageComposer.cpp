#include "page/PageComposer.h"

#include "page/Fragments.h"
#include "store/BankConventions.h"

namespace velkora {

using typecode::ownQuestion;
using typecode::singleAnswer;
constexpr int caseCode = typecode::caseGroup;
constexpr int sharedOptionsCode = typecode::sharedOptions;

void PageComposer::addGroup(const GroupContent &group) {
    addHeading(group);
    m_numbering.groupNo = m_numbering.questionNo;
    int groupIndex = 1;
    for (const GroupContent::Item &item : group.items)
        addQuestion(group, item, groupIndex++);
    if (group.type.code == sharedOptionsCode && practice())
        append(fragments::rule);
}

void PageComposer::addHeading(const GroupContent &group) {
    const int code = group.type.code;
    // The preview is a single question, so its headings sit closer.
    const QString afterHeading = practice() ? fragments::doubleBreak : fragments::lineBreak;
    auto headingOnce = [&](int &done) {
        if (done == 0) {
            done = 1;
            append(fragments::heading(group.type.title));
            append(afterHeading);
        }
        append(fragments::groupText(m_numbering.questionNo, group.group.content));
        append(afterHeading);
    };
    if (ownQuestion(code)) {
        append(fragments::heading(group.type.title));
        append(afterHeading);
    } else if (code == caseCode) {
        headingOnce(m_numbering.caseHeaderDone);
    } else if (code == sharedOptionsCode) {
        headingOnce(m_numbering.optionsHeaderDone);
        ++m_numbering.questionNo;
    }
}

void PageComposer::addQuestion(const GroupContent &group, const GroupContent::Item &item,
                               int groupIndex) {
    const int code = group.type.code;
    const QuestionRow &q = item.question;
    if (typecode::optionRows(code) && !q.picture.trimmed().isEmpty())
        append(fragments::picture(q.picture, practice()));
    addStem(code, group, q, groupIndex);
    append(fragments::lineBreak);
    ++m_numbering.questionNo;
    if (typecode::optionRows(code)) {
        for (const OptionRow &option : item.options) {
            append(fragments::lineBreak);
            append(fragments::space + (singleAnswer(code)
                                           ? fragments::radioOption(option, practice())
                                           : fragments::checkboxOption(option, practice())));
        }
    }
    if (practice()) {
        append(fragments::answerBlock(q));
        if (code != sharedOptionsCode)
            append(fragments::rule);
    } else {
        append(fragments::visibleAnswer(q));
    }
}

void PageComposer::addStem(int code, const GroupContent &group, const QuestionRow &q,
                           int groupIndex) {
    NumberingState &n = m_numbering;
    if (ownQuestion(code)) {
        append(practice() ? fragments::stem(q.id, n.questionNo, q.content)
                          : fragments::space + QString::number(n.questionNo) +
                                QStringLiteral(". ") + q.content);
    } else if (code == caseCode) {
        append(practice() ? fragments::caseStem(q.id, n.groupNo, groupIndex, q.content)
                          : fragments::space + QString::number(n.groupNo) + QStringLiteral(".") +
                                QString::number(groupIndex) + QStringLiteral(". ") + q.content);
        if (groupIndex != 1)
            --n.questionNo;
    } else if (code == sharedOptionsCode) {
        --n.questionNo;
        append(fragments::sharedOptionStem(
            n.questionNo, groupIndex,
            fragments::optionList(q.id, group.group.optionCount, q.content, practice())));
    }
}

} // namespace velkora
