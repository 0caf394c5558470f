#pragma once

#include <QLabel>

namespace jsj {

// A one-line label that keeps its text inside its width: the font shrinks
// step by step down to a floor, and only text that still does not fit is
// elided, keeping its end (the digits typed last) in view.
class FittingLabel : public QLabel {
    Q_OBJECT
public:
    explicit FittingLabel(int largestPointSize, int smallestPointSize, QWidget *parent = nullptr);

    void setFullText(const QString &text);
    QString fullText() const { return m_text; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fit();

    QString m_text;
    int m_largest;
    int m_smallest;
};

} // namespace jsj
