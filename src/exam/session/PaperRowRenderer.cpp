#include "exam/session/PaperRowRenderer.h"

#include "exam/session/PaperScoring.h"
#include "page/Fragments.h"
#include "page/PageView.h"

#include <QLoggingCategory>

namespace velkora {

Q_LOGGING_CATEGORY(lcExamPage, "velkora.exam")

namespace {

constexpr int maxMatchingLetters = 15; // A .. O

QString matchingLetters(int count) {
    QString list;
    for (int i = 0; i < qMin(count, maxMatchingLetters); ++i) {
        const QString letter(QChar(char16_t(u'A' + i)));
        list += QStringLiteral("<option value=\"") + letter + QStringLiteral("\">") + letter +
                QLatin1Char(' ');
    }
    return list;
}

void addMatchingItems(RowPage &page, const PaperRow &row, RowVariant variant,
                      const PaperQueries &queries) {
    const QString letters = matchingLetters(row.optionCount.toInt());
    const QString itemEnd = variant == RowVariant::Step || variant == RowVariant::Jump
                                ? QStringLiteral("<br> <br>")
                                : QStringLiteral("<br>");
    for (const MatchingItem &item : queries.items(row.sourceId.toLongLong())) {
        const QString id = QString::number(item.id);
        page.fragments << item.itemNumber + QStringLiteral(". ") +
                              QStringLiteral(" <select name=\"cars\" id=\"") + id +
                              QStringLiteral("\"> <option value=\"daan\" selected>答案 ") +
                              letters + QStringLiteral("</select>") + item.content +
                              QStringLiteral("<br>") + itemEnd;
        if (variant == RowVariant::Review)
            page.fragments << reviewAnswerLine(item.answer);
        if (!item.chosen.isEmpty() && row.given.contains(item.chosen))
            page.selections.append({id, item.chosen});
    }
}

void addOptions(RowPage &page, const PaperRow &row, const PaperQueries &queries) {
    const bool single = row.lx == lxCode(ExamClass::Single);
    const QString input = single ? QStringLiteral("radio") : QStringLiteral("checkbox");
    for (const ExamOption &option : queries.options(row.sourceId.toLongLong())) {
        const QString &id = option.id;
        page.fragments << QStringLiteral("<br>")
                       << QStringLiteral(" <input type=\"") + input + QStringLiteral("\" id=\"") +
                              id + QStringLiteral("\"  name=\"") +
                              QString::number(option.questionId) + QStringLiteral("\" value=\"") +
                              option.letter + QStringLiteral("\">") + option.letter +
                              QLatin1Char(':') + option.content + QStringLiteral("<br>")
                       << QStringLiteral("<br>");
        if (!option.letter.isEmpty() && row.given.contains(option.letter))
            page.checkedIds << id;
        if (single)
            page.optionsByLetter[option.letter.trimmed()] << id;
    }
}

} // namespace

RowPage composeRowPage(const PaperRow &row, RowVariant variant, const PaperQueries &queries,
                       const PictureLocator &pictures) {
    RowPage page;
    const bool showsPicture = variant == RowVariant::FirstPage || variant == RowVariant::Step;
    if (showsPicture && !row.picture.trimmed().isEmpty())
        page.fragments << fragments::picture(pictures ? pictures(row.picture) : row.picture);
    const std::optional<ExamClass> kind = examClassOfLx(row.lx);
    if (kind == ExamClass::Case)
        page.fragments << row.tid.section(QLatin1Char('.'), 0, 0) + QLatin1Char('.') +
                              row.groupText + QStringLiteral("<br>");
    if (kind == ExamClass::Matching) {
        page.fragments << row.tid + QLatin1Char('.') + row.groupText + QStringLiteral("<br> <br>");
        addMatchingItems(page, row, variant, queries);
        return page;
    }
    page.fragments << QStringLiteral("<br>") + row.tid + QLatin1Char('.') + row.stem +
                          QStringLiteral("<br>");
    addOptions(page, row, queries);
    if (variant == RowVariant::Review)
        page.fragments << reviewAnswerLine(row.answer);
    return page;
}

PaperRowRenderer::PaperRowRenderer(PageView &view, PaperQueries queries, QString templatePath,
                                   PictureLocator pictures)
    : m_view(view), m_queries(std::move(queries)), m_templatePath(std::move(templatePath)),
      m_pictures(std::move(pictures)) {}

bool PaperRowRenderer::render(const PaperRow &row, RowVariant variant) {
    m_optionsByLetter.clear();
    RowPage page = composeRowPage(row, variant, m_queries, m_pictures);
    if (!m_view.load(m_templatePath)) {
        qCWarning(lcExamPage) << "exam page template did not load:" << m_templatePath;
        return false;
    }
    if (!m_view.appendHtml(page.fragments) ||
        !m_view.presetControls(page.checkedIds, page.selections)) {
        qCWarning(lcExamPage) << "exam page did not take entry" << row.tid;
        return false;
    }
    m_optionsByLetter = std::move(page.optionsByLetter);
    return true;
}

bool PaperRowRenderer::render(const QString &tid, RowVariant variant) {
    m_optionsByLetter.clear();
    const std::optional<PaperRow> row = m_queries.row(tid);
    return row && render(*row, variant);
}

bool PaperRowRenderer::renderEmpty() {
    m_optionsByLetter.clear();
    if (m_view.load(m_templatePath))
        return true;
    qCWarning(lcExamPage) << "exam page template did not load:" << m_templatePath;
    return false;
}

bool PaperRowRenderer::renderResult(const QString &resultFragment) {
    m_optionsByLetter.clear();
    if (m_view.load(m_templatePath) && m_view.appendHtml({resultFragment}))
        return true;
    qCWarning(lcExamPage) << "the result page did not show";
    return false;
}

} // namespace velkora
