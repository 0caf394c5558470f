// The candidate card. Pictures: see EntryScenery.h.
#include "exam/windows/CandidateCardWindow.h"

#include "base/Messages.h"
#include "chrome/WindowCommand.h"
#include "exam/windows/EntryScenery.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QRadioButton>
#include <QRawFont>
#include <QVBoxLayout>

namespace velkora {

namespace {

constexpr int titleTop = 40;
constexpr int pictureTop = 100;
constexpr int sitePhotoTop = 290;
constexpr int firstLineTop = 118;
constexpr int lineStep = 28;
constexpr int buttonRowTop = 480;

// Asks the face itself, not the fallbacks the font system would mix in.
bool hasEveryCharacter(const QString &family, const QString &text) {
    QFont font(family);
    font.setPixelSize(CandidateCardWindow::cardFontPixels);
    const QRawFont face = QRawFont::fromFont(font);
    if (!face.isValid() || face.familyName() != family)
        return false;
    for (const char32_t c : text.toUcs4())
        if (c != U' ' && !face.supportsCharacter(c))
            return false;
    return true;
}

} // namespace

QString cardTypeface(const QString &text) {
    const QStringList installed = QFontDatabase::families();
    const auto firstCovering = [&](auto &&matches) -> QString {
        for (const QString &family : installed)
            if (matches(family) && hasEveryCharacter(family, text))
                return family;
        return {};
    };
    // "华文仿宋" and other FangSong faces go by many names.
    QString family = firstCovering([](const QString &name) {
        return name.contains(QLatin1String("fangsong"), Qt::CaseInsensitive) ||
               name.contains(QStringLiteral("仿宋"));
    });
    // Simplified Chinese shapes before the other serif CJK faces.
    if (family.isEmpty())
        family = firstCovering(
            [](const QString &name) { return name == QLatin1String("Noto Serif CJK SC"); });
    if (family.isEmpty())
        family = firstCovering(
            [](const QString &name) { return name.contains(QLatin1String("Serif CJK")); });
    return family.isEmpty() ? QFont().family() : family;
}

const QStringList &CandidateCardWindow::cardLines() {
    static const QStringList lines = {
        QStringLiteral("      姓名：张三"),
        QStringLiteral("      性别：男"),
        QStringLiteral("准考证号：00000001"),
        QStringLiteral("报考专业：测试专业"),
        QStringLiteral("报考级别：测试级别"),
        QStringLiteral("证件类型：身份证"),
        QStringLiteral("证件编号：201588888888888888"),
        QStringLiteral("所在考场：北京市东城区考场"),
        QStringLiteral("当前场次：测试场次"),
        QStringLiteral("所在试室：01教室"),
        QStringLiteral("所在单位：测试单位"),
    };
    return lines;
}

CandidateCardWindow::CandidateCardWindow(Messages &messages,
                                         const PictureButton::Resolver &resolver, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_messages(messages),
      m_background(addPicture(this, QStringLiteral("Image1"), QStringLiteral("mv/exam-bg.jpg"),
                              resolver, {1280, 800})),
      m_card(addPicture(this, QStringLiteral("Image2"), QStringLiteral("mv/exam-card.png"),
                        resolver, {440, 360})),
      m_photo(addPicture(this, QStringLiteral("Image3"), QStringLiteral("mv/exam-photo-1.png"),
                         resolver, {132, 170})),
      m_sitePhoto(addPicture(this, QStringLiteral("Image4"), QStringLiteral("mv/exam-photo-2.png"),
                             resolver, {132, 170})),
      m_title(new QLabel(QStringLiteral("卫生专业技术资格考试"), this)),
      m_levelChoice(new QGroupBox(QStringLiteral("选择职称"), this)),
      m_senior(new QRadioButton(QStringLiteral("正高级职称"), m_levelChoice)),
      m_associateSenior(new QRadioButton(QStringLiteral("副高级职称"), m_levelChoice)),
      m_demo(addEntryButton(this, QStringLiteral("SpeedButton3"), QStringLiteral("观看演示"),
                            QStringLiteral("exam-demo"), resolver)),
      m_relogin(addEntryButton(this, QStringLiteral("SpeedButton1"), QStringLiteral("重新登录"),
                               QStringLiteral("exam-relogin"), resolver)),
      m_start(addEntryButton(this, QStringLiteral("SpeedButton2"), QStringLiteral("开始考试"),
                             QStringLiteral("exam-start"), resolver)) {
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral("卫生专业技术资格考试"));
    setWindowState(Qt::WindowMaximized);
    setFont(entryFont(14));

    m_title->setObjectName(QStringLiteral("Label12"));
    m_title->setFont(entryFont(30, true));
    m_title->resize(662, 44);

    QFont lineFont(cardTypeface(cardLines().join(QString())));
    lineFont.setPixelSize(cardFontPixels);
    for (const QString &text : cardLines()) {
        auto *line = new QLabel(text, this);
        line->setObjectName(QStringLiteral("Label%1").arg(m_lines.size() + 1));
        line->setProperty("cardLine", true);
        line->setFont(lineFont);
        line->resize(400, lineStep - 2);
        m_lines.append(line);
    }

    // Present but hidden; the associate senior level applies unless shown.
    m_levelChoice->setObjectName(QStringLiteral("RadioGroup1"));
    auto *levels = new QVBoxLayout(m_levelChoice);
    levels->setContentsMargins(8, 2, 8, 2);
    levels->addWidget(m_senior);
    levels->addWidget(m_associateSenior);
    m_associateSenior->setChecked(true);
    m_levelChoice->resize(150, 58);
    m_levelChoice->hide();

    m_demo->hide();
    connect(addWindowCommand(this, m_demo), &QAction::triggered, this,
            [this] { m_messages.inform(QStringLiteral("该视频完善中~！！")); });
    connect(addWindowCommand(this, m_relogin), &QAction::triggered, this, &QDialog::close);
    connect(addWindowCommand(this, m_start), &QAction::triggered, this,
            [this] { emit startRequested(titleLevel()); });
    m_background->lower();
    // Last, so that every piece is styled under its final name.
    setStyleSheet(QStringLiteral("#TForm3 { background: #eaf4f6; } "
                                 "#Label12 { color: #1d5f72; } "
                                 "QLabel[cardLine=\"true\"] { color: #1f3b4d; }"));
}

TitleLevel CandidateCardWindow::titleLevel() const {
    return m_senior->isChecked() ? TitleLevel::Senior : TitleLevel::AssociateSenior;
}

void CandidateCardWindow::layOut(int half) {
    m_title->move(half - 328, titleTop);
    m_photo->move(half - 328, pictureTop);
    m_sitePhoto->move(half - 328, sitePhotoTop);
    m_card->move(half - 106, pictureTop);
    for (int i = 0; i < m_lines.size(); ++i)
        m_lines[i]->move(half - 86, firstLineTop + i * lineStep);
    m_levelChoice->move(half + 65, firstLineTop - 6);
    m_demo->move(half - 60, buttonRowTop);
    m_relogin->move(half + 60, buttonRowTop);
    m_start->move(half + 180, buttonRowTop);
}

void CandidateCardWindow::showEvent(QShowEvent *event) {
    layOut(halfScreenWidth(this));
    QDialog::showEvent(event);
}

void CandidateCardWindow::resizeEvent(QResizeEvent *event) {
    m_background->resize(size());
    QDialog::resizeEvent(event);
}

} // namespace velkora
