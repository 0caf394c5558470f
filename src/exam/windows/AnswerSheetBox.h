#pragma once

#include "exam/session/AnswerSheetLayout.h"
#include "exam/session/SheetColour.h"

#include <QHash>
#include <QScrollArea>

class QLabel;
class QPushButton;

namespace velkora {

// The answer sheet on the right of the exam window: the colour legend at
// the top, then a heading per kind and a numbered button per entry. A click
// on a number asks for that entry.
class AnswerSheetBox : public QScrollArea {
    Q_OBJECT
public:
    explicit AnswerSheetBox(QWidget *parent = nullptr);

    // Replaces the headings and buttons by those of `sheet`.
    void build(const AnswerSheet &sheet);
    // A name without a button is skipped.
    void setColour(const ButtonColour &colour);
    QPushButton *button(const QString &name) const { return m_buttons.value(name); }
    int buttonCount() const { return int(m_buttons.size()); }
    // The legend after submission: blue right, red wrong.
    void showGradingLegend();

    static QColor colourOf(SheetColour colour);

signals:
    void entryClicked(const QString &tid);

private:
    QLabel *addLegendEntry(const char *objectName, const QString &text, SheetColour colour,
                           int left);

    QWidget *m_content;
    QList<QWidget *> m_sheetWidgets;
    QHash<QString, QPushButton *> m_buttons;
    QLabel *m_answeredLabel;
    QLabel *m_currentLabel;
};

} // namespace velkora
