#pragma once

#include <QStatusBar>

class QLabel;

namespace velkora {

// The main window's status bar (StatusBar1): the bank's question count, the
// slogan, and the date and time the tree was last shown.
class MainStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit MainStatusBar(QWidget *parent);

    // "试题量：" and the count; "XXX" while the bank tells none.
    void showQuestionCount(const QString &count);
    void showTime(const QDateTime &now);

private:
    QLabel *m_panels[3] = {};
};

} // namespace velkora
