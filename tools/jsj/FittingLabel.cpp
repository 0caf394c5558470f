#include "FittingLabel.h"

#include <QFontMetrics>

namespace jsj {

FittingLabel::FittingLabel(int largestPointSize, int smallestPointSize, QWidget *parent)
    : QLabel(parent), m_largest(largestPointSize), m_smallest(smallestPointSize) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    QFont big = font();
    big.setPointSize(m_largest);
    setFixedHeight(QFontMetrics(big).height() + 8);
}

void FittingLabel::setFullText(const QString &text) {
    m_text = text;
    setToolTip(text);
    fit();
}

void FittingLabel::resizeEvent(QResizeEvent *event) {
    QLabel::resizeEvent(event);
    fit();
}

void FittingLabel::fit() {
    const int room = contentsRect().width() - 4;
    QFont f = font();
    int size = m_largest;
    f.setPointSize(size);
    while (size > m_smallest && QFontMetrics(f).horizontalAdvance(m_text) > room)
        f.setPointSize(--size);
    setFont(f);
    const QFontMetrics metrics(f);
    setText(metrics.horizontalAdvance(m_text) <= room
                ? m_text
                : metrics.elidedText(m_text, Qt::ElideLeft, room));
}

} // namespace jsj
