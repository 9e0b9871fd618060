// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/common/page_printer.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include "files/safe_write.h"
#include "ui/common/messages.h"
#include "ui/common/prompts.h"

namespace dalvo::ui {

PagePrinter::PagePrinter(Prompts& prompts, QObject* parent) : QObject(parent), prompts_(prompts) {}
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
        return tr("No printer is set up on this computer, so the page was not printed.");
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    if (!paintFitted(printer, image))
        return tr("The printer \"%1\" could not print the page.").arg(printerInfo.printerName());
    return {};
}

void PagePrinter::printWindow(QWidget* window)
{
    const QImage image = window->grab().toImage();
    const QString problem = printOnDefaultPrinter(image);
    if (problem.isEmpty())
        return;
    if (!prompts_.confirm(window, problem + tr("\n\nSave the page as a PDF file instead?")))
        return;
    const QString path = prompts_.chooseFileToSave(window, tr("page.pdf"));
    if (path.isEmpty())
        return;
    const QString failure = saveAsPdf(image, path);
    if (!failure.isEmpty())
        prompts_.report(window, failure);
}

QString PagePrinter::saveAsPdf(const QImage& image, const QString& path)
{
    QByteArray page;
    QBuffer buffer(&page);
    buffer.open(QIODevice::WriteOnly);
    bool painted = false;
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(tr("Dalvo-Leslie Matrix"));
        writer.setCreator(tr("Dalvo-Leslie Matrix"));
        painted = paintFitted(writer, image);
    }
    if (!painted)
        return tr("The page could not be drawn into \"%1\".").arg(QFileInfo(path).fileName());
    const Result<void> written =
        replaceFile(toFileName(path), std::string_view(page.constData(), page.size()));
    if (!written)
        return tr("The page could not be saved: %1\nChoose another folder or file name.")
            .arg(shownError(written.error()));
    return {};
}

}  // namespace dalvo::ui
