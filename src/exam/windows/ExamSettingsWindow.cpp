#include "exam/windows/ExamSettingsWindow.h"

#include "base/Messages.h"
#include "chrome/WindowCommand.h"
#include "exam/windows/CountFieldFilter.h"
#include "exam/windows/EntryScenery.h"
#include "store/BankConnection.h"
#include "store/StoreError.h"

#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPushButton>

namespace velkora {

Q_LOGGING_CATEGORY(lcSettings, "velkora.exam")

namespace {

constexpr int windowWidth = 499;
constexpr int windowHeight = 332;

const char *const typeLabels[] = {"单项选择题:", "多项选择题:", "案例分析题:", "配伍选择题:"};

QLabel *addLabel(QWidget *parent, const QString &text, const QRect &geometry, bool bold = false) {
    auto *label = new QLabel(text, parent);
    label->setGeometry(geometry);
    if (bold)
        label->setFont(entryFont(14, true));
    return label;
}

QAction *addCommand(QDialog *window, const QString &name, const QString &caption,
                    const QRect &geometry) {
    auto *button = new QPushButton(caption, window);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return addWindowCommand(window, button);
}

} // namespace

ExamSettingsWindow::ExamSettingsWindow(BankConnection &bank, Messages &messages,
                                       QWidget *mainWindow)
    : QDialog(mainWindow), m_bank(bank), m_messages(messages) {
    setObjectName(QStringLiteral("TForm6"));
    setWindowTitle(QStringLiteral("参数设置"));
    setFixedSize(windowWidth, windowHeight);
    setFont(entryFont(14));
    setStyleSheet(QStringLiteral("#TForm6 { background: #f1f7f9; } "
                                 "QLineEdit { background: white; border: 1px solid #8fb8c4; "
                                 "padding: 0 4px; } "
                                 "QLabel#Label6 { color: #b23a3a; }"));

    QLabel *heading = addLabel(this, QStringLiteral("请您设置模拟考试题的参数"),
                               QRect(0, 22, windowWidth, 28), true);
    heading->setObjectName(QStringLiteral("Label5"));
    heading->setAlignment(Qt::AlignCenter);
    heading->setFont(entryFont(17, true));

    auto *filter = new CountFieldFilter(this);
    for (int row = 0; row < 4; ++row) {
        const int y = 68 + row * 38;
        addLabel(this, QString::fromUtf8(typeLabels[row]), QRect(140, y, 100, 26))
            ->setObjectName(QStringLiteral("Label%1").arg(row + 1));
        auto *field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("RzEdit%1").arg(row + 1));
        field->setGeometry(245, y, 64, 26);
        field->setValidator(filter);
        field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        field->setAccessibleName(QString::fromUtf8(typeLabels[row]));
        m_fields[row] = field;
        addLabel(this, QStringLiteral("题:"), QRect(315, y, 30, 26));
    }

    QLabel *tip = addLabel(this, QStringLiteral("温馨提示：请您注意，每种题型不能设置超过50道题。"),
                           QRect(0, 224, windowWidth, 26), true);
    tip->setObjectName(QStringLiteral("Label6"));
    tip->setAlignment(Qt::AlignCenter);

    connect(addCommand(this, QStringLiteral("RzBitBtn1"), QStringLiteral("确 定"),
                       QRect(130, 270, 96, 32)),
            &QAction::triggered, this, &ExamSettingsWindow::saveSettings);
    connect(addCommand(this, QStringLiteral("RzBitBtn2"), QStringLiteral("进 入"),
                       QRect(273, 270, 96, 32)),
            &QAction::triggered, this, &ExamSettingsWindow::enter);
}

void ExamSettingsWindow::showEvent(QShowEvent *event) {
    if (const QWidget *main = parentWidget())
        move(main->window()->pos() + entryDialogOffset);
    m_proceed = false;
    loadFields();
    QDialog::showEvent(event);
}

void ExamSettingsWindow::loadFields() {
    PaperCounts counts;
    try {
        counts = settings().load();
    } catch (const StoreError &error) {
        qCWarning(lcSettings) << "paper settings not read:" << error.message();
        m_messages.inform(QStringLiteral("考试参数读取失败，请检查题库文件。"));
    }
    for (int row = 0; row < 4; ++row)
        m_fields[row]->setText(counts[row]);
}

// Asked for each time: the connection may have been reopened since.
ExamSettings ExamSettingsWindow::settings() const {
    return ExamSettings(m_bank.database());
}

PaperCounts ExamSettingsWindow::fields() const {
    PaperCounts counts;
    for (int row = 0; row < 4; ++row)
        counts[row] = m_fields[row]->text();
    return counts;
}

void ExamSettingsWindow::saveSettings() {
    ExamSettings::Verdict verdict;
    try {
        verdict = settings().save(fields());
    } catch (const StoreError &error) {
        qCWarning(lcSettings) << "paper settings not saved:" << error.message();
        m_messages.inform(QStringLiteral("考试参数保存失败，原有设置未改变。"));
        return;
    }
    m_messages.inform(ExamSettings::message(verdict));
    // The counts above the limit are discarded: the fields show what is stored.
    if (verdict == ExamSettings::Verdict::OverLimit)
        loadFields();
}

void ExamSettingsWindow::enter() {
    m_proceed = true;
    close();
}

} // namespace velkora
