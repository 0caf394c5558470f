#pragma once

#include "statistics/StudyStatistics.h"

#include <QDialog>

class QChartView;
class QTableWidget;
class QTreeWidget;
class QWidget;

namespace velkora {

// The window "学习统计": the learner's progress per part, section and
// chapter, the simulated exams with a chart of their scores and of the
// right rate per kind, and the questions of the daily review per coming day. It shows the figures
// it is given; a learner without history sees a note on how to get some instead of empty charts.
class StudyStatisticsWindow : public QDialog {
    Q_OBJECT
public:
    explicit StudyStatisticsWindow(const StudyStatistics &statistics, QWidget *parent = nullptr);

    QTreeWidget *progressTree() const { return m_tree; }
    // Null when there are no exams to show.
    QTableWidget *examTable() const { return m_exams; }
    QChartView *scoreTrendChart() const { return m_trend; }
    QChartView *kindRateChart() const { return m_kinds; }
    QChartView *reviewLoadChart() const { return m_reviewLoad; }

private:
    QWidget *buildProgressPage(const StudyStatistics &statistics);
    QWidget *buildExamPage(const StudyStatistics &statistics);
    QTableWidget *buildExamTable(const QList<ExamHistoryEntry> &exams);
    QChartView *buildScoreTrend(const QList<ExamHistoryEntry> &exams);
    QChartView *buildKindRates(const StudyStatistics &statistics);
    QWidget *buildReviewPage(const QList<DayLoad> &load);

    QTreeWidget *m_tree = nullptr;
    QTableWidget *m_exams = nullptr;
    QChartView *m_trend = nullptr;
    QChartView *m_kinds = nullptr;
    QChartView *m_reviewLoad = nullptr;
};

} // namespace velkora
