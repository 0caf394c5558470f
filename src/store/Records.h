#pragma once

#include <QList>
#include <QString>

namespace velkora {

struct TreeRow {
    int id = 0;
    QString name;
};

// A question group (readtext row).
struct GroupRow {
    int id = 0;
    int treeId = 0;
    int typeId = 0;
    QString content;
    int optionCount = 0; // opnum
};

struct QuestionType {
    int code = 0;
    QString title;
};

struct QuestionRow {
    int id = 0;
    int groupId = 0;
    QString content;
    QString picture; // picurl as stored
    QString answer;
    QString explanation;
    QString itemNumber;
    bool favourite = false;
    bool wrong = false;
};

struct OptionRow {
    QString id;
    int questionId = 0;
    QString letter; // opinion.code
    QString content;
};

struct Subject {
    QString id;
    QString name;
};

} // namespace velkora
