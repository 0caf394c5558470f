#include "exam/windows/AnswerSheetBox.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace velkora {

namespace {

const QColor skyBlue(0xa6, 0xca, 0xf0);
constexpr int sheetWidth = 232;

QString colourName(SheetColour colour) {
    switch (colour) {
    case SheetColour::ButtonFace:
        return QStringLiteral("buttonFace");
    case SheetColour::Red:
        return QStringLiteral("red");
    case SheetColour::Blue:
        return QStringLiteral("blue");
    case SheetColour::ActiveBorder:
        return QStringLiteral("activeBorder");
    }
    return {};
}

QString buttonStyle(SheetColour colour) {
    const QColor background = AnswerSheetBox::colourOf(colour);
    const bool dark = colour == SheetColour::Red || colour == SheetColour::Blue;
    // A raised face: light upper-left edge, dark lower-right edge.
    return QStringLiteral("QPushButton{background:%1;color:%2;border:1px solid;"
                          "border-color:#ffffff #606060 #606060 #ffffff;padding:0px;}"
                          "QPushButton:pressed{border-color:#606060 #ffffff #ffffff #606060;}"
                          "QPushButton:focus{outline:1px dotted #000000;}")
        .arg(background.name(), dark ? QStringLiteral("#ffffff") : QStringLiteral("#000000"));
}

} // namespace

QColor AnswerSheetBox::colourOf(SheetColour colour) {
    switch (colour) {
    case SheetColour::ButtonFace:
        return QApplication::palette().color(QPalette::Button);
    case SheetColour::Red:
        return QColor(0xff, 0x00, 0x00);
    case SheetColour::Blue:
        return QColor(0x00, 0x00, 0xff);
    case SheetColour::ActiveBorder:
        return QColor(0xb4, 0xb4, 0xb4);
    }
    return {};
}

AnswerSheetBox::AnswerSheetBox(QWidget *parent) : QScrollArea(parent), m_content(new QWidget) {
    setObjectName(QStringLiteral("ScrollBox1"));
    setFixedWidth(sheetWidth + 20);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::StyledPanel);
    QPalette sky = palette();
    sky.setColor(QPalette::Window, skyBlue);
    setPalette(sky);
    m_content->setAutoFillBackground(true);
    m_content->setPalette(sky);
    m_content->setFixedSize(sheetWidth, 60);
    setWidget(m_content);
    viewport()->setAutoFillBackground(true);
    viewport()->setPalette(sky);

    m_answeredLabel = addLegendEntry("Label1", QStringLiteral("已答"), SheetColour::Blue, 10);
    m_currentLabel = addLegendEntry("Label2", QStringLiteral("在答"), SheetColour::Red, 82);
    addLegendEntry("Label3", QStringLiteral("未答"), SheetColour::ButtonFace, 154);
}

QLabel *AnswerSheetBox::addLegendEntry(const char *objectName, const QString &text,
                                       SheetColour colour, int left) {
    auto *box = new QFrame(m_content);
    box->setFrameShape(QFrame::Box);
    box->setAutoFillBackground(true);
    QPalette filled = box->palette();
    filled.setColor(QPalette::Window, colourOf(colour));
    box->setPalette(filled);
    box->setGeometry(left, 16, 16, 16);
    auto *label = new QLabel(text, m_content);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setGeometry(left + 22, 12, 48, 24);
    return label;
}

void AnswerSheetBox::build(const AnswerSheet &sheet) {
    qDeleteAll(m_sheetWidgets);
    m_sheetWidgets.clear();
    m_buttons.clear();
    int bottom = 60;
    for (const SheetHeading &heading : sheet.headings) {
        auto *label = new QLabel(heading.text, m_content);
        QFont font = label->font();
        font.setPointSize(10);
        font.setBold(true);
        label->setFont(font);
        label->setGeometry(heading.geometry);
        label->show();
        m_sheetWidgets << label;
        bottom = qMax(bottom, heading.geometry.bottom());
    }
    for (const SheetButton &entry : sheet.buttons) {
        auto *button = new QPushButton(entry.caption, m_content);
        button->setObjectName(entry.name);
        button->setAccessibleName(entry.caption);
        button->setGeometry(entry.geometry);
        QFont font = button->font();
        font.setPointSize(8);
        button->setFont(font);
        connect(button, &QPushButton::clicked, this,
                [this, caption = entry.caption] { emit entryClicked(caption); });
        button->show();
        m_sheetWidgets << button;
        m_buttons.insert(entry.name, button);
        setColour({entry.name, SheetColour::ButtonFace});
        bottom = qMax(bottom, entry.geometry.bottom());
    }
    m_content->setFixedSize(sheetWidth, bottom + 20);
}

void AnswerSheetBox::setColour(const ButtonColour &colour) {
    QPushButton *button = m_buttons.value(colour.button);
    if (!button)
        return;
    button->setStyleSheet(buttonStyle(colour.colour));
    button->setProperty("sheetColour", colourName(colour.colour));
}

void AnswerSheetBox::showGradingLegend() {
    m_answeredLabel->setText(QStringLiteral("答对"));
    m_currentLabel->setText(QStringLiteral("答错"));
}

} // namespace velkora
