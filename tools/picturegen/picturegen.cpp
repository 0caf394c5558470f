#include "picturegen.h"

#include "painting.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>

namespace velkora::picturegen {

namespace {

struct ButtonFamily {
    const char *key;
    const char *label;
    // File names per state; the letter case differs between states on purpose,
    // the main window asks for exactly these names. nullptr: state not drawn.
    const char *names[3];
};

// names[i] belongs to state i + 1; an empty name means that state has no picture.
void addButtonStates(QList<PictureInfo> &out, PictureKind kind, QSize size, const QString &key,
                     const QString &label, const QStringList &names) {
    for (int i = 0; i < names.size(); ++i) {
        if (names[i].isEmpty())
            continue;
        PictureInfo info;
        info.name = names[i];
        info.size = size;
        info.label = label;
        info.state = static_cast<ButtonState>(i + 1);
        info.button = key;
        info.kind = kind;
        out.append(info);
    }
}

// Buttons whose three state files follow the plain "mv/<key>-<n>.<ext>" pattern.
void addPlainButton(QList<PictureInfo> &out, PictureKind kind, QSize size, const char *key,
                    const char *label, const char *ext) {
    QStringList names;
    for (int n = 1; n <= 3; ++n)
        names
            << QStringLiteral("mv/%1-%2.%3").arg(QLatin1String(key)).arg(n).arg(QLatin1String(ext));
    addButtonStates(out, kind, size, QLatin1String(key), QString::fromUtf8(label), names);
}

PictureInfo single(const char *name, QSize size, const char *label, PictureKind kind) {
    PictureInfo info;
    info.name = QString::fromUtf8(name);
    info.size = size;
    info.label = QString::fromUtf8(label);
    info.kind = kind;
    return info;
}

} // namespace

QList<PictureInfo> pictureCatalogue() {
    QList<PictureInfo> out;

    // Main toolbar. The first button is wider than the others.
    static const ButtonFamily mainButtons[] = {
        {"kstk", "章节练习", {"mv/kstk-1.jpg", "mv/KSTK-2.jpg", "mv/KSTK-3.jpg"}},
        {"wdsc", "我的收藏", {"mv/wdsc-1.jpg", "mv/wdsc-2.jpg", "mv/wdsc-3.jpg"}},
        {"mnkc", "模拟考场", {"mv/mnkc-1.jpg", "mv/mnkc-2.jpg", "mv/mnkc-3.jpg"}},
        {"sjbf", "数据备份", {"mv/sjbf-1.jpg", "mv/sjbf-2.jpg", "mv/sjbf-3.jpg"}},
        {"cttk", "错题题库", {"mv/cttk-1.jpg", "mv/cttk-2.jpg", "mv/cttk-3.jpg"}},
        // The window shows -1 while this one is pressed.
        {"sjhy", "数据恢复", {"mv/sjhy-1.jpg", "mv/sjhy-2.jpg", nullptr}},
        {"rjsj", "软件升级", {"mv/rjsj-1.jpg", "mv/rjsj-2.jpg", "mv/rjsj-3.jpg"}},
    };
    for (const ButtonFamily &family : mainButtons) {
        const QSize size = qstrcmp(family.key, "kstk") == 0 ? QSize(63, 64) : QSize(58, 64);
        QStringList names;
        for (const char *name : family.names)
            names << QString::fromUtf8(name ? name : "");
        addButtonStates(out, PictureKind::MainToolButton, size, QLatin1String(family.key),
                        QString::fromUtf8(family.label), names);
    }

    // Title strip buttons: drawn glyphs, no text.
    for (const char *key : {"MinBtn", "MaxBtn", "resBtn", "CloseBtn"})
        addPlainButton(out, PictureKind::TitleButton, QSize(29, 25), key, "", "bmp");

    static const std::pair<const char *, const char *> pageButtons[] = {
        {"xsda", "显示答案"}, {"ycda", "隐藏答案"}, {"cxdt", "重新答题"},
        {"tjsj", "提交试卷"}, {"dy", "打印"},       {"da", "字体放大"},
        {"xiao", "字体缩小"}, {"qpxs", "全屏显示"}, {"ckxs", "窗口显示"},
    };
    for (const auto &[key, label] : pageButtons)
        addPlainButton(out, PictureKind::PageToolButton, QSize(100, 27), key, label, "bmp");

    addPlainButton(out, PictureKind::DialogButton, QSize(105, 33), "gb", "关 闭", "bmp");

    out.append(single("mv/title-strip.bmp", QSize(1024, 25),
                      "Velkora 卫生专业技术资格考试 · 职业病", PictureKind::TitleStrip));
    out.append(single("mv/banner.jpg", QSize(900, 64), "精选题库 · 章节练习 · 模拟考试",
                      PictureKind::Banner));
    out.append(single("mv/tree-header.bmp", QSize(257, 30), "", PictureKind::TreeHeader));
    out.append(single("mv/page-toolbar.bmp", QSize(1024, 31), "", PictureKind::PageToolbar));

    out.append(single("tupian/silicosis_xray.png", QSize(480, 400), "胸部X线后前位片",
                      PictureKind::ChestRadiograph));
    out.append(single("tupian/noise_audiogram.png", QSize(560, 400), "纯音听阈图",
                      PictureKind::Audiogram));

    // The way into the simulated exam: login window and candidate card.
    out.append(single("mv/exam-bg.jpg", QSize(1280, 800), "", PictureKind::ExamBackground));
    out.append(single("mv/exam-login-banner.png", QSize(606, 120), "", PictureKind::ExamBanner));
    out.append(single("mv/exam-login-left.png", QSize(210, 130), "", PictureKind::ExamTerminal));
    out.append(single("mv/exam-login-right.png", QSize(280, 24), "", PictureKind::ExamRibbon));
    out.append(single("mv/exam-card.png", QSize(440, 360), "", PictureKind::ExamCard));
    out.append(single("mv/exam-photo-1.png", QSize(132, 170), "", PictureKind::ExamPhoto));
    out.append(single("mv/exam-photo-2.png", QSize(132, 170), "", PictureKind::ExamPhoto));
    static const std::pair<const char *, const char *> entryButtons[] = {
        {"exam-login", "登录考场"}, {"exam-quit", "退出考场"}, {"exam-relogin", "重新登录"},
        {"exam-start", "开始考试"}, {"exam-demo", "观看演示"},
    };
    for (const auto &[key, label] : entryButtons)
        addPlainButton(out, PictureKind::ExamEntryButton, QSize(100, 34), key, label, "png");

    // The exam window's bottom panel.
    static const std::pair<const char *, const char *> barButtons[] = {
        {"exam-prev", "上一题"},     {"exam-next", "下一题"},  {"exam-calc", "计算器"},
        {"exam-help", "帮 助（3）"}, {"exam-submit", "交 卷"},
    };
    for (const auto &[key, label] : barButtons)
        addPlainButton(out, PictureKind::ExamBarButton, QSize(100, 30), key, label, "png");

    out.append(single("mv/backup-bg.png", QSize(400, 200), "", PictureKind::MaintenanceBackground));
    out.append(
        single("mv/restore-bg.png", QSize(400, 200), "", PictureKind::MaintenanceBackground));
    return out;
}

QByteArray pictureFormat(const QString &name) {
    const QString suffix = QFileInfo(name).suffix().toLower();
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return "jpeg";
    if (suffix == QLatin1String("bmp"))
        return "bmp";
    if (suffix == QLatin1String("png"))
        return "png";
    return {};
}

QImage renderPicture(const PictureInfo &info) {
    QImage image(info.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    {
        QPainter p(&image);
        p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                         QPainter::SmoothPixmapTransform);
        switch (info.kind) {
        case PictureKind::MainToolButton:
            detail::paintMainToolButton(p, info);
            break;
        case PictureKind::TitleButton:
            detail::paintTitleButton(p, info);
            break;
        case PictureKind::PageToolButton:
            detail::paintPageToolButton(p, info);
            break;
        case PictureKind::DialogButton:
            detail::paintDialogButton(p, info);
            break;
        case PictureKind::TitleStrip:
            detail::paintTitleStrip(p, info);
            break;
        case PictureKind::Banner:
            detail::paintBanner(p, info);
            break;
        case PictureKind::TreeHeader:
            detail::paintTreeHeader(p, info);
            break;
        case PictureKind::PageToolbar:
            detail::paintPageToolbar(p, info);
            break;
        case PictureKind::ChestRadiograph:
            detail::paintChestRadiograph(p, info);
            break;
        case PictureKind::Audiogram:
            detail::paintAudiogram(p, info);
            break;
        case PictureKind::ExamBackground:
            detail::paintExamBackground(p, info);
            break;
        case PictureKind::ExamBanner:
            detail::paintExamBanner(p, info);
            break;
        case PictureKind::ExamTerminal:
            detail::paintExamTerminal(p, info);
            break;
        case PictureKind::ExamRibbon:
            detail::paintExamRibbon(p, info);
            break;
        case PictureKind::ExamCard:
            detail::paintExamCard(p, info);
            break;
        case PictureKind::ExamPhoto:
            detail::paintExamPhoto(p, info);
            break;
        case PictureKind::ExamEntryButton:
            detail::paintExamEntryButton(p, info);
            break;
        case PictureKind::ExamBarButton:
            detail::paintExamBarButton(p, info);
            break;
        case PictureKind::MaintenanceBackground:
            detail::paintMaintenanceBackground(p, info);
            break;
        }
    }
    // None of the formats keeps transparency in a way the window relies on.
    return image.convertToFormat(QImage::Format_RGB32);
}

QStringList writeAllPictures(const QString &programDir, QString *error) {
    QStringList written;
    auto fail = [&](const QString &message) {
        if (error)
            *error = message;
        return written;
    };
    if (error)
        error->clear();

    const QDir root(programDir);
    if (!QDir().mkpath(root.absolutePath()))
        return fail(QStringLiteral("cannot create folder %1").arg(root.absolutePath()));

    for (const PictureInfo &info : pictureCatalogue()) {
        const QString path = root.absoluteFilePath(info.name);
        const QString folder = QFileInfo(path).absolutePath();
        if (!QDir().mkpath(folder))
            return fail(QStringLiteral("cannot create folder %1").arg(folder));

        const QByteArray format = pictureFormat(info.name);
        if (format.isEmpty())
            return fail(QStringLiteral("no image format for %1").arg(info.name));

        QImageWriter writer(path, format);
        if (format == "jpeg")
            writer.setQuality(95); // labels are small; keep the JPEG artefacts down
        if (!writer.write(renderPicture(info)))
            return fail(QStringLiteral("cannot write %1: %2").arg(path, writer.errorString()));
        written.append(info.name);
    }
    return written;
}

QImage renderAppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    detail::drawAppIcon(p, QRectF(0, 0, size, size));
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QList<int> appIconSizes() {
    return {16, 32, 48, 64, 128, 256};
}

QStringList writeAppIcons(const QString &themesDir, QString *error) {
    QStringList written;
    if (error)
        error->clear();
    const QDir root(themesDir);
    for (int size : appIconSizes()) {
        const QString name = QStringLiteral("hicolor/%1x%1/apps/velkora.png").arg(size);
        const QString path = root.absoluteFilePath(name);
        if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
            if (error)
                *error = QStringLiteral("cannot create folder %1").arg(QFileInfo(path).path());
            return written;
        }
        QImageWriter writer(path, "png");
        if (!writer.write(renderAppIcon(size))) {
            if (error)
                *error = QStringLiteral("cannot write %1: %2").arg(path, writer.errorString());
            return written;
        }
        written.append(name);
    }
    return written;
}

} // namespace velkora::picturegen
