#include "statistics/StudyStatisticsWindow.h"

#include "base/RatePercent.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace velkora {

namespace {

const QString noPractice =
    QStringLiteral("还没有练习记录。做完一章后点“提交试卷”，这里会显示你的进度。");
const QString noReview = QStringLiteral("还没有安排复习的试题。\n答错的试题和收藏的试题会自动"
                                        "进入“今日复习”，这里会显示以后每天要复习多少题。");
const QString noExams = QStringLiteral("还没有模拟考试记录。\n在“模拟考场”交卷后，这里会显示"
                                       "每次考试的得分、用时和各题型的正确率。");

QString rateText(const ProgressFigures &figures) {
    return figures.practised == 0 ? QStringLiteral("—")
                                  : QString::number(figures.rightRatePercent()) + u'%';
}

QTreeWidgetItem *progressItem(const ProgressNode &node) {
    const ProgressFigures &f = node.figures;
    auto *item = new QTreeWidgetItem({node.caption, QString::number(f.questions),
                                      QString::number(f.practised), rateText(f),
                                      QString::number(f.favourites), QString::number(f.wrongBank)});
    for (int column = 1; column < item->columnCount(); ++column)
        item->setTextAlignment(column, Qt::AlignCenter);
    for (const ProgressNode &child : node.children)
        item->addChild(progressItem(child));
    return item;
}

QLabel *noteLabel(const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("color: #4a6572; font-size: 15px; padding: 12px;"));
    return label;
}

QValueAxis *percentAxis() {
    auto *axis = new QValueAxis;
    axis->setRange(0, 100);
    axis->setLabelFormat(QStringLiteral("%d%"));
    axis->setTickCount(6);
    return axis;
}

QChartView *chartView(QChart *chart, const QString &accessibleName, QWidget *parent) {
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));
    auto *view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setAccessibleName(accessibleName);
    view->setMinimumHeight(220);
    return view;
}

} // namespace

StudyStatisticsWindow::StudyStatisticsWindow(const StudyStatistics &statistics, QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("StudyStatisticsWindow"));
    setWindowTitle(QStringLiteral("学习统计"));
    resize(960, 640);
    auto *tabs = new QTabWidget(this);
    tabs->setAccessibleName(QStringLiteral("学习统计"));
    tabs->addTab(buildProgressPage(statistics), QStringLiteral("章节进度"));
    tabs->addTab(buildExamPage(statistics), QStringLiteral("模拟考试"));
    tabs->addTab(buildReviewPage(statistics.reviewLoad), QStringLiteral("复习安排"));
    auto *close = new QPushButton(QStringLiteral("关 闭"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs, 1);
    layout->addLayout(buttons);
}

QWidget *StudyStatisticsWindow::buildProgressPage(const StudyStatistics &statistics) {
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    const ProgressFigures &all = statistics.overall;
    layout->addWidget(noteLabel(statistics.hasPractice()
                                    ? QStringLiteral("全部 %1 题，已练 %2 题，正确率 %3；"
                                                     "收藏 %4 题，错题库 %5 题。")
                                          .arg(all.questions)
                                          .arg(all.practised)
                                          .arg(rateText(all))
                                          .arg(all.favourites)
                                          .arg(all.wrongBank)
                                    : noPractice,
                                page));

    m_tree = new QTreeWidget(page);
    m_tree->setAccessibleName(QStringLiteral("章节进度表"));
    m_tree->setHeaderLabels({QStringLiteral("章节"), QStringLiteral("题数"), QStringLiteral("已练"),
                             QStringLiteral("正确率"), QStringLiteral("收藏"),
                             QStringLiteral("错题")});
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setUniformRowHeights(true);
    m_tree->setStyleSheet(QStringLiteral("QTreeWidget { font-size: 14px; } "
                                         "QTreeWidget::item { padding: 2px 0; }"));
    for (const ProgressNode &part : statistics.parts)
        m_tree->addTopLevelItem(progressItem(part));
    m_tree->expandToDepth(0); // parts open on their sections
    QHeaderView *header = m_tree->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < m_tree->columnCount(); ++column) {
        header->setSectionResizeMode(column, QHeaderView::Fixed);
        header->resizeSection(column, 80);
        m_tree->headerItem()->setTextAlignment(column, Qt::AlignCenter);
    }
    layout->addWidget(m_tree, 1);
    return page;
}

QWidget *StudyStatisticsWindow::buildExamPage(const StudyStatistics &statistics) {
    if (!statistics.hasExams())
        return noteLabel(noExams, this);
    auto *page = new QWidget(this);
    auto *layout = new QHBoxLayout(page);
    m_exams = buildExamTable(statistics.exams);
    layout->addWidget(m_exams, 2);
    auto *charts = new QVBoxLayout;
    m_trend = buildScoreTrend(statistics.exams);
    m_kinds = buildKindRates(statistics);
    charts->addWidget(m_trend, 1);
    charts->addWidget(m_kinds, 1);
    layout->addLayout(charts, 3);
    return page;
}

QTableWidget *StudyStatisticsWindow::buildExamTable(const QList<ExamHistoryEntry> &exams) {
    auto *table = new QTableWidget(int(exams.size()), 3, this);
    table->setAccessibleName(QStringLiteral("模拟考试记录"));
    table->setHorizontalHeaderLabels(
        {QStringLiteral("时间"), QStringLiteral("得分"), QStringLiteral("用时")});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    // The latest exam on top.
    for (int row = 0; row < exams.size(); ++row) {
        const ExamHistoryEntry &exam = exams[exams.size() - 1 - row];
        const QString cells[] = {exam.takenAt.toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                                 QStringLiteral("%1 / %2（%3%）")
                                     .arg(exam.points)
                                     .arg(exam.entries)
                                     .arg(exam.ratePercent()),
                                 durationText(exam.durationSeconds)};
        for (int column = 0; column < 3; ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(Qt::AlignCenter);
            table->setItem(row, column, item);
        }
    }
    return table;
}

// The score of each exam as its share of the paper, since papers may differ
// in size; the exams by number, oldest first.
QChartView *StudyStatisticsWindow::buildScoreTrend(const QList<ExamHistoryEntry> &exams) {
    auto *series = new QLineSeries;
    series->setPointsVisible(true);
    for (int i = 0; i < exams.size(); ++i)
        series->append(i + 1, exams[i].ratePercent());
    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("历次模拟考试得分率"));
    chart->addSeries(series);
    auto *examAxis = new QValueAxis;
    examAxis->setTitleText(QStringLiteral("第几次考试"));
    examAxis->setLabelFormat(QStringLiteral("%d"));
    // Half a step of room at both ends, so the first and last points show
    // whole; a tick on every exam number, or every few when there are many.
    examAxis->setRange(0.5, exams.size() + 0.5);
    examAxis->setTickType(QValueAxis::TicksDynamic);
    examAxis->setTickAnchor(1);
    examAxis->setTickInterval(std::ceil(exams.size() / 10.0));
    chart->addAxis(examAxis, Qt::AlignBottom);
    QValueAxis *rateAxis = percentAxis();
    chart->addAxis(rateAxis, Qt::AlignLeft);
    series->attachAxis(examAxis);
    series->attachAxis(rateAxis);
    return chartView(chart, QStringLiteral("得分趋势图"), this);
}

QChartView *StudyStatisticsWindow::buildKindRates(const StudyStatistics &statistics) {
    auto *rates = new QBarSet(QStringLiteral("正确率"));
    QStringList kinds;
    for (ExamClass kind : examClasses) {
        const KindScore &score = statistics.kindScore(kind);
        if (score.total() == 0)
            continue;
        kinds << resultName(kind);
        *rates << ratePercent(score.right, score.total());
    }
    auto *series = new QBarSeries;
    series->append(rates);
    series->setLabelsVisible(true);
    series->setLabelsFormat(QStringLiteral("@value%"));
    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("各题型正确率（全部考试）"));
    chart->addSeries(series);
    auto *kindAxis = new QBarCategoryAxis;
    kindAxis->append(kinds);
    chart->addAxis(kindAxis, Qt::AlignBottom);
    QValueAxis *rateAxis = percentAxis();
    chart->addAxis(rateAxis, Qt::AlignLeft);
    series->attachAxis(kindAxis);
    series->attachAxis(rateAxis);
    return chartView(chart, QStringLiteral("各题型正确率图"), this);
}

// The questions of the daily review on each coming day, today first (with
// those overdue).
QWidget *StudyStatisticsWindow::buildReviewPage(const QList<DayLoad> &load) {
    int total = 0;
    int most = 0;
    for (const DayLoad &day : load) {
        total += day.questions;
        most = std::max(most, day.questions);
    }
    if (total == 0)
        return noteLabel(noReview, this);
    auto *counts = new QBarSet(QStringLiteral("题数"));
    QStringList days;
    for (qsizetype i = 0; i < load.size(); ++i) {
        days << (i == 0 ? QStringLiteral("今天") : load[i].day.toString(QStringLiteral("M/d")));
        *counts << load[i].questions;
    }
    auto *series = new QBarSeries;
    series->append(counts);
    series->setLabelsVisible(true);
    series->setLabelsFormat(QStringLiteral("@value"));
    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("今后 %1 天每天要复习的题数").arg(load.size()));
    chart->addSeries(series);
    auto *dayAxis = new QBarCategoryAxis;
    dayAxis->append(days);
    chart->addAxis(dayAxis, Qt::AlignBottom);
    auto *countAxis = new QValueAxis;
    countAxis->setRange(0, most + 1);
    countAxis->setLabelFormat(QStringLiteral("%d"));
    countAxis->applyNiceNumbers();
    chart->addAxis(countAxis, Qt::AlignLeft);
    series->attachAxis(dayAxis);
    series->attachAxis(countAxis);
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(
        noteLabel(QStringLiteral("今天要复习 %1 题（含以前到期还没复习的），今后 %2 天共 %3 题。")
                      .arg(load.first().questions)
                      .arg(load.size())
                      .arg(total),
                  page));
    m_reviewLoad = chartView(chart, QStringLiteral("复习安排图"), page);
    layout->addWidget(m_reviewLoad, 1);
    return page;
}

} // namespace velkora
