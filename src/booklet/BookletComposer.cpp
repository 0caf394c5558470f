#include "booklet/BookletComposer.h"

#include "store/BankConventions.h"

namespace velkora {

namespace {

// A4 paper, a serif Chinese face for reading and a sans face for headings
// (both from fonts-noto-cjk), and no question split across two pages.
const QString style = QStringLiteral(
    "@page{size:A4;margin:18mm 16mm 18mm 16mm}"
    "body{font-family:'Noto Serif CJK SC','AR PL UKai CN',serif;font-size:11pt;"
    "line-height:1.55;color:#000;margin:0}"
    "h1,h2,h3,.subtitle{font-family:'Noto Sans CJK SC','AR PL UKai CN',sans-serif}"
    "h1{font-size:20pt;text-align:center;margin:0 0 2pt}"
    ".subtitle{font-size:14pt;text-align:center;margin:0}"
    ".meta{font-size:10pt;text-align:center;color:#444;margin:4pt 0 14pt}"
    "h2{font-size:13pt;border-bottom:1px solid #777;padding-bottom:2pt;margin:14pt 0 6pt;"
    "break-after:avoid;page-break-after:avoid}"
    "h3{font-size:11pt;font-weight:bold;margin:8pt 0 4pt;break-after:avoid;"
    "page-break-after:avoid}"
    ".shared{border-left:2pt solid #999;padding-left:6pt;margin:4pt 0 6pt;"
    "break-inside:avoid;page-break-inside:avoid}"
    ".shared .note{font-size:9.5pt;color:#444}"
    ".question,.lead{margin:0 0 9pt;break-inside:avoid;page-break-inside:avoid}"
    ".lead>.question{margin:0}"
    ".stem{margin:0}.number{font-weight:bold}"
    ".options{list-style:none;margin:2pt 0 0 1.6em;padding:0}"
    ".picture{margin:4pt 0 4pt 1.6em}.picture img{max-width:70%;max-height:80mm}"
    ".answer{margin:3pt 0 0 1.6em;font-size:10pt;border-top:1px dotted #999;padding-top:2pt}"
    ".keys{break-before:page;page-break-before:always}"
    ".keys .answer{margin:0 0 5pt;border:0;padding:0;break-inside:avoid;"
    "page-break-inside:avoid}");

QString escaped(const QString &text) {
    return text.toHtmlEscaped();
}

} // namespace

BookletComposer::BookletComposer(BookletTitle title, AnswerPlacement placement, QUrl pictureBase)
    : m_title(std::move(title)), m_placement(placement), m_pictureBase(std::move(pictureBase)) {}

QString BookletComposer::compose(const BookletContent &content) {
    m_html.clear();
    m_answersAtEnd.clear();
    m_leadIn.clear();
    m_number = 0;
    const QString documentTitle = m_title.subject.isEmpty()
                                      ? m_title.view
                                      : m_title.subject + QStringLiteral(" ") + m_title.view;
    m_html += QStringLiteral("<!DOCTYPE html><html lang=\"zh-CN\"><head><meta charset=\"utf-8\">"
                             "<base href=\"%1\"><title>%2</title><style>%3</style></head><body>")
                  .arg(escaped(m_pictureBase.toString(QUrl::FullyEncoded)), escaped(documentTitle),
                       style);
    addTitle(content.questionCount());
    for (const BookletChapter &chapter : content.chapters)
        addChapter(chapter);
    if (!m_answersAtEnd.isEmpty())
        m_html += QStringLiteral("<section class=\"keys\"><h2>答案与解析</h2>") +
                  m_answersAtEnd.join(QString()) + QStringLiteral("</section>");
    m_html += QStringLiteral("</body></html>");
    return std::exchange(m_html, {});
}

void BookletComposer::addTitle(int questionCount) {
    const QString subject =
        m_title.subject.isEmpty() ? QStringLiteral("Velkora 试题") : m_title.subject;
    m_html += QStringLiteral("<h1>%1</h1><p class=\"subtitle\">%2</p>"
                             "<p class=\"meta\">%3　共 %4 题</p>")
                  .arg(escaped(subject), escaped(m_title.view), m_title.date.toString(Qt::ISODate))
                  .arg(questionCount);
}

void BookletComposer::addChapter(const BookletChapter &chapter) {
    m_html += QStringLiteral("<section class=\"chapter\">");
    m_leadIn = QStringLiteral("<h2>%1</h2>").arg(escaped(chapter.path));
    RowId typeShown = -1;
    for (const GroupContent &group : chapter.groups) {
        if (group.group.typeId != typeShown) {
            typeShown = group.group.typeId;
            m_leadIn += QStringLiteral("<h3>") + group.type.title + QStringLiteral("</h3>");
        }
        addGroup(group);
    }
    m_html += QStringLiteral("</section>");
}

void BookletComposer::addGroup(const GroupContent &group) {
    const int code = group.type.code;
    if (code == typecode::caseGroup || code == typecode::sharedOptions) {
        const int first = m_number + 1;
        const int last = m_number + int(group.items.size());
        const QString range = first == last ? QStringLiteral("第 %1 题").arg(first)
                                            : QStringLiteral("第 %1～%2 题").arg(first).arg(last);
        const QString note = code == typecode::caseGroup ? QStringLiteral("（%1共用题干）")
                                                         : QStringLiteral("（%1共用备选答案）");
        m_leadIn += QStringLiteral("<div class=\"shared\"><div class=\"note\">") + note.arg(range) +
                    QStringLiteral("</div>") + group.group.content + QStringLiteral("</div>");
    }
    for (const GroupContent::Item &item : group.items)
        addQuestion(group, item);
}

void BookletComposer::addQuestion(const GroupContent &group, const GroupContent::Item &item) {
    const int number = ++m_number;
    const QuestionRow &q = item.question;
    const bool ownOptions = typecode::optionRows(group.type.code);
    // Headings and shared texts go on the page of the question they lead to.
    const bool leadIn = !m_leadIn.isEmpty();
    if (leadIn)
        m_html += QStringLiteral("<div class=\"lead\">") + std::exchange(m_leadIn, {});
    m_html += QStringLiteral("<div class=\"question\"><p class=\"stem\"><span "
                             "class=\"number\">%1.</span> ")
                  .arg(number) +
              q.content + QStringLiteral("</p>");
    if (ownOptions && !q.picture.trimmed().isEmpty())
        m_html += QStringLiteral("<div class=\"picture\"><img src=\"%1\" alt=\"\"></div>")
                      .arg(escaped(q.picture));
    if (ownOptions && !item.options.isEmpty()) {
        m_html += QStringLiteral("<ul class=\"options\">");
        for (const OptionRow &option : item.options)
            m_html += QStringLiteral("<li>") + option.letter + QStringLiteral(". ") +
                      option.content + QStringLiteral("</li>");
        m_html += QStringLiteral("</ul>");
    }
    if (m_placement == AnswerPlacement::AfterEachQuestion)
        m_html += answerText(number, q);
    else
        m_answersAtEnd.append(answerText(number, q));
    m_html += QStringLiteral("</div>");
    if (leadIn)
        m_html += QStringLiteral("</div>");
}

QString BookletComposer::answerText(int number, const QuestionRow &question) const {
    const QString numberMark =
        m_placement == AnswerPlacement::AtEnd
            ? QStringLiteral("<span class=\"number\">%1.</span> ").arg(number)
            : QString();
    QString text = QStringLiteral("<div class=\"answer\">") + numberMark +
                   QStringLiteral("答案：") + question.answer;
    if (!question.explanation.trimmed().isEmpty())
        text += QStringLiteral("　解析：") + question.explanation;
    return text + QStringLiteral("</div>");
}

} // namespace velkora
