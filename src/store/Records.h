#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

namespace velkora {

// Row keys of the bank: 64-bit, since banks made by other tools use large ids.
using RowId = qint64;

struct TreeRow {
    RowId id = 0;
    QString name;
};

// A question group (readtext row).
struct GroupRow {
    RowId id = 0;
    RowId treeId = 0;
    RowId typeId = 0;
    QString content;
    int optionCount = 0; // opnum
};

struct QuestionType {
    int code = 0;
    QString title;
};

struct QuestionRow {
    RowId id = 0;
    RowId groupId = 0;
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
    RowId questionId = 0;
    QString letter; // opinion.code
    QString content;
};

struct Subject {
    QString id;
    QString name;
};

} // namespace velkora
