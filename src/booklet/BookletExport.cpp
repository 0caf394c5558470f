#include "booklet/BookletExport.h"

#include "base/ProgramFolder.h"
#include "booklet/BookletComposer.h"
#include "booklet/BookletContent.h"
#include "booklet/BookletFile.h"
#include "booklet/BookletOptionsDialog.h"
#include "booklet/BookletPrinter.h"
#include "store/BankConnection.h"
#include "store/BankQueries.h"

#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace velkora {

namespace {
enum Stage { Composing, Loading, Printing, StageCount };

QString failureText(BookletPrinter::Failure failure) {
    return failure == BookletPrinter::Failure::TimedOut
               ? QStringLiteral("PDF没有导出：生成PDF超时，请重试。")
               : QStringLiteral("PDF没有导出：生成PDF时出错，请重试。");
}
} // namespace

BookletExport::BookletExport(const ProgramFolder &folder, BankConnection &bank, QWidget *window)
    : QObject(window), m_folder(folder), m_bank(bank), m_window(window) {
    m_choosePlacement = [this] { return BookletOptionsDialog::ask(m_window); };
    m_chooseFile = [this](const QString &preset) {
        return QFileDialog::getSaveFileName(m_window, QStringLiteral("导出PDF"), preset,
                                            QStringLiteral("PDF 文件 (*.pdf)"));
    };
}

QString BookletExport::exportBooklet(const QString &subject, const QString &title,
                                     const QList<RowId> &questionIds) {
    if (questionIds.isEmpty())
        return QStringLiteral("没有可导出的试题。");
    const std::optional<AnswerPlacement> placement = m_choosePlacement();
    if (!placement)
        return {};
    const QString folder = m_lastFolder.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : m_lastFolder;
    const QString chosen =
        m_chooseFile(QDir(folder).filePath(suggestedBookletName(title, QDate::currentDate())));
    if (chosen.isEmpty())
        return {};
    const QString path = withPdfSuffix(chosen);
    m_lastFolder = QFileInfo(path).absolutePath();
    return write({title, questionIds, *placement}, subject, path);
}

QString BookletExport::write(const BookletRequest &request, const QString &subject,
                             const QString &path) {
    QProgressDialog progress(QStringLiteral("正在整理试题…"), QStringLiteral("取 消"), 0,
                             StageCount, m_window);
    progress.setObjectName(QStringLiteral("BookletProgress"));
    progress.setWindowTitle(QStringLiteral("导出PDF"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoReset(false);
    const auto reach = [&](Stage stage, const QString &label) {
        progress.setLabelText(label);
        progress.setValue(stage);
        emit stageReached(stage);
    };

    reach(Composing, QStringLiteral("正在整理试题…"));
    const BookletContent content = readBookletContent(
        BankQueries(m_bank.database()), request.questionIds,
        [this](const QString &stored) { return m_folder.locatePicture(stored); });
    if (!content.complete)
        return QStringLiteral("读取题库时出错，PDF没有导出。");
    const QString html =
        BookletComposer({subject, request.title, QDate::currentDate()}, request.placement,
                        QUrl::fromLocalFile(m_folder.dir() + QLatin1Char('/')))
            .compose(content);
    QTemporaryFile document(QDir(QDir::tempPath()).filePath("velkora-booklet-XXXXXX.html"));
    if (!document.open() || document.write(html.toUtf8()) < 0 || !document.flush())
        return QStringLiteral("PDF没有导出：无法写入临时文件（%1）。").arg(document.errorString());
    if (progress.wasCanceled())
        return {};

    BookletPrinter printer;
    QEventLoop loop;
    std::optional<QByteArray> pdf;
    std::optional<BookletPrinter::Failure> failure;
    bool cancelled = false;
    connect(&printer, &BookletPrinter::loaded, this,
            [&] { reach(Printing, QStringLiteral("正在生成PDF…")); });
    connect(&printer, &BookletPrinter::printed, &loop, [&](const QByteArray &bytes) {
        pdf = bytes;
        loop.quit();
    });
    connect(&printer, &BookletPrinter::failed, &loop, [&](BookletPrinter::Failure why) {
        failure = why;
        loop.quit();
    });
    connect(&progress, &QProgressDialog::canceled, &loop, [&] {
        cancelled = true;
        printer.cancel();
        loop.quit();
    });
    reach(Loading, QStringLiteral("正在排版…"));
    if (!cancelled)
        printer.print(QUrl::fromLocalFile(document.fileName()));
    if (!cancelled && !pdf && !failure)
        loop.exec();
    progress.hide();

    if (cancelled)
        return {};
    if (failure)
        return failureText(*failure);
    if (const std::optional<QString> problem = writeBookletFile(path, *pdf))
        return QStringLiteral("PDF没有导出：无法写入“%1”（%2）。请选择其他文件夹。")
            .arg(QDir::toNativeSeparators(path), *problem);
    return QStringLiteral("PDF已导出：") + QDir::toNativeSeparators(path);
}

} // namespace velkora
