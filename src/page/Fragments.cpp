#include "page/Fragments.h"

namespace velkora::fragments {

namespace {
QString n(qint64 value) {
    return QString::number(value);
}

QString optionLine(const char *type, const char *beforeName, const OptionRow &option,
                   bool closingBreak) {
    return QStringLiteral(" <input type=\"") + QLatin1String(type) + QStringLiteral("\" id=\"") +
           option.id + QLatin1String(beforeName) + QStringLiteral("name=\"") +
           QString::number(option.questionId) + QStringLiteral("\" value=\"") + option.letter +
           QStringLiteral("\">") + option.letter + QStringLiteral(":") + option.content +
           (closingBreak ? lineBreak : QString());
}
} // namespace

QString heading(const QString &typeTitle) {
    return QStringLiteral("&nbsp <b>") + typeTitle + QStringLiteral("</b>");
}

QString groupText(int number, const QString &content) {
    return space + n(number) + QStringLiteral(".") + content;
}

QString picture(const QString &file, bool closingBreak) {
    return QStringLiteral("&nbsp<br><p> 如图所示：<img src=\"./") + file +
           QStringLiteral("\"> </p> ") + (closingBreak ? lineBreak : QString());
}

QString stem(RowId questionId, int number, const QString &content) {
    return QStringLiteral("&nbsp <span  id ='fan") + n(questionId) + QStringLiteral("'>") +
           n(number) + QStringLiteral(". ") + content + QStringLiteral("</span>");
}

QString caseStem(RowId questionId, int groupNo, int index, const QString &content) {
    return QStringLiteral("&nbsp <span  id ='fan") + n(questionId) + QStringLiteral("'>") +
           n(groupNo) + QStringLiteral(".") + n(index) + QStringLiteral(". ") + content +
           QStringLiteral("</span>");
}

QString letterOptions(int optionCount) {
    QString letters;
    for (int k = 0; k < qMin(optionCount, 15); ++k) {
        const QString letter(QChar(u'A' + k));
        letters += QStringLiteral("<option value=\"") + letter + QStringLiteral("\">") + letter +
                   QStringLiteral(" ");
    }
    return letters;
}

QString optionList(RowId questionId, int optionCount, const QString &content, bool withStemSpan) {
    const QString list = QStringLiteral(" <select name=\"cars\" id=\"a") + n(questionId) +
                         QStringLiteral("\"> <option value=\"daan\" selected>答案 ") +
                         letterOptions(optionCount) + QStringLiteral("</select>");
    if (!withStemSpan)
        return list + content;
    return list + QStringLiteral("<span id ='fan") + n(questionId) + QStringLiteral("'>") +
           content + QStringLiteral("</span>");
}

QString sharedOptionStem(int number, int index, const QString &list) {
    return space + n(number) + QStringLiteral(".") + n(index) + QStringLiteral(". ") + list;
}

QString radioOption(const OptionRow &option, bool closingBreak) {
    return optionLine("radio", "\"  ", option, closingBreak);
}

QString checkboxOption(const OptionRow &option, bool closingBreak) {
    return optionLine("checkbox", "\" ", option, closingBreak);
}

QString answerBlock(const QuestionRow &q) {
    const QString id = n(q.id);
    const QString favouriteButton =
        q.favourite
            ? QStringLiteral("')\" name=\"torvanescbt\" type=\"button\" value=\"取消收藏\"/>")
            : QStringLiteral("')\" name=\"torvanescbt\" type=\"button\" value=\"收藏本题\"/>");
    return QStringLiteral("<div  style=\"cursor:hand;\"><tr><td width=\"100%\"> <div "
                          "align=\"right\" > <input id=\"xs") +
           id + QStringLiteral("\" onclick=\"xsda(this,'") + QStringLiteral("ansnote") + id +
           QStringLiteral("')\" name=\"torvanexsda\" type=\"button\" value=\"显示答案\"/>") +
           QStringLiteral("<input id=\"sc\"  onclick=\"scbt(this); "
                          "window.location.href=('http://scbt") +
           id + favouriteButton +
           QStringLiteral("<input  name=\"torvanectfk\" "
                          "onclick=\"window.location.href=('http://ctfk") +
           id + QStringLiteral("')\" type=\"button\" value=\"错题反馈\" /> </div>") +
           QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</div><div  "
                          "class=\"Answer\" id=\"ansnote") +
           id + QStringLiteral("\" value=\"") + q.answer +
           QStringLiteral("\" style=\"display:none\">") + QStringLiteral("正确答案：") + q.answer +
           QStringLiteral(" 答案解析：") + q.explanation + QStringLiteral("</div></td></tr> ");
}

QString visibleAnswer(const QuestionRow &q) {
    return QStringLiteral("<br> <br><div class=\"Answer\" id=\"ansnote") + n(q.id) +
           QStringLiteral("\" value=\"") + q.answer + QStringLiteral("\" style=\"display\">") +
           QStringLiteral("正确答案：") + q.answer + QStringLiteral("</div></td></tr><br><br> ");
}

} // namespace velkora::fragments
