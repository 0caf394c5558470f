#pragma once

#include "chrome/PictureButton.h"
#include "grading/ScoreSheet.h"
#include "page/PagePresenter.h"

#include <QDialog>
#include <QList>
#include <QTimer>

namespace velkora {

class WebPageView;

// The score window (TForm15): the report of the rows it is handed (the
// score sheet of the latest submission), built again each time the window
// becomes active, and a close picture below it. It writes nothing.
class ScoreWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int reportDelayMs = 100;

    ScoreWindow(QList<ScoreRow> rows, const QString &templatePath,
                const PictureButton::Resolver &resolver, QWidget *parent = nullptr);

    WebPageView *pageView() const { return m_pageView; }
    PictureButton *closeButton() const { return m_close; }

    // Shows the report of the rows.
    void buildReport();

signals:
    // The report was (re)built, whether or not the page took all of it.
    void reportShown();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildOnce();

    QList<ScoreRow> m_rows;
    WebPageView *m_pageView;
    PictureButton *m_close;
    PagePresenter m_presenter;
    QTimer m_timer2; // builds the report shortly after each activation
    bool m_building = false;
    bool m_buildAgain = false;
};

} // namespace velkora
