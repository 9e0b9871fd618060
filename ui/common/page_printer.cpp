#include "ui/common/page_printer.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QWidget>

namespace dalvo::ui {

namespace {

const QString kTitle = QStringLiteral("Dalvo-Leslie Matrix");

bool askWithDialog(QWidget* window, const QString& question)
{
    return QMessageBox::question(window, kTitle, question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

QString askForPdfPath(QWidget* window)
{
    return QFileDialog::getSaveFileName(window, QStringLiteral("Save the page as a PDF file"),
                                        QStringLiteral("page.pdf"),
                                        QStringLiteral("PDF files (*.pdf);;All files (*)"));
}

void showWithDialog(QWidget* window, const QString& message)
{
    QMessageBox::warning(window, kTitle, message);
}

}  // namespace

PagePrinter::PagePrinter(QObject* parent)
    : QObject(parent), confirm(askWithDialog), choosePdfPath(askForPdfPath), report(showWithDialog)
{
}

bool paintFitted(QPaintDevice& device, const QImage& image)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(page.topLeft(), size), image);
    return painter.end();
}

QString PagePrinter::printOnDefaultPrinter(const QImage& image)
{
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull())
        return QStringLiteral("No printer is set up on this computer, so the page was not printed.");
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    if (!paintFitted(printer, image))
        return QStringLiteral("The printer \"%1\" could not print the page.").arg(printerInfo.printerName());
    return {};
}

void PagePrinter::printWindow(QWidget* window)
{
    const QImage image = window->grab().toImage();
    const QString problem = printOnDefaultPrinter(image);
    if (problem.isEmpty())
        return;
    if (!confirm(window, problem + QStringLiteral("\n\nSave the page as a PDF file instead?")))
        return;
    const QString path = choosePdfPath(window);
    if (path.isEmpty())
        return;
    const QString failure = saveAsPdf(image, path);
    if (!failure.isEmpty())
        report(window, failure);
}

QString PagePrinter::saveAsPdf(const QImage& image, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral(
                   "The page could not be saved as \"%1\": %2.\nChoose another folder or file name.")
            .arg(QFileInfo(path).fileName(), file.errorString());
    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(kTitle);
        writer.setCreator(kTitle);
        painted = paintFitted(writer, image);
    }
    if (!painted) {
        file.cancelWriting();
        return QStringLiteral("The page could not be drawn into \"%1\".").arg(QFileInfo(path).fileName());
    }
    if (!file.commit())
        return QStringLiteral(
                   "The page could not be saved as \"%1\": %2.\nChoose another folder or file name.")
            .arg(QFileInfo(path).fileName(), file.errorString());
    return {};
}

}  // namespace dalvo::ui
