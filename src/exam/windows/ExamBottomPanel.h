#pragma once

#include "base/ProgramFolder.h"

#include <QWidget>

class QLabel;
class QProgressBar;

namespace velkora {

class PictureButton;
struct ProgressDisplay;

// The sky-blue panel at the foot of the exam window: the buttons of its
// commands (帮助 hidden), the minutes left, and the progress through the
// paper as a bar and as the answered count out of the paper's entries.
// The window gives the buttons their commands.
class ExamBottomPanel : public QWidget {
    Q_OBJECT
public:
    struct Buttons {
        PictureButton *previous = nullptr;
        PictureButton *next = nullptr;
        PictureButton *calculator = nullptr;
        PictureButton *help = nullptr;
        PictureButton *submit = nullptr;
    };

    // The button pictures are read from the program folder's "mv".
    explicit ExamBottomPanel(const ProgramFolder &folder, QWidget *parent = nullptr);

    const Buttons &buttons() const { return m_buttons; }

    // The paper has `rows` entries: the end of the bar and the count shown.
    void setRowCount(int rows);
    void showProgress(const ProgressDisplay &progress);
    void showMinutesLeft(const QString &minutes);

private:
    QLayout *buildButtons(const ProgramFolder &folder);
    QLayout *buildClockAndProgress();

    Buttons m_buttons;
    QLabel *m_minutesLabel = nullptr;
    QLabel *m_answeredLabel = nullptr;
    QLabel *m_rowCountLabel = nullptr;
    QProgressBar *m_progress = nullptr;
};

} // namespace velkora
