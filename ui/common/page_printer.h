// Prints an image of a window's client area on the default printer, or offers a PDF file instead.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QImage>
#include <QObject>
#include <QString>

class QPaintDevice;
class QWidget;

namespace dalvo::ui {

class Prompts;

class PagePrinter : public QObject {
    Q_OBJECT
public:
    PagePrinter(Prompts& prompts, QObject* parent);

    // Sends the window's current image to the default printer with no
    // dialog. When there is no printer or printing fails, says why and offers
    // to save the page as a PDF file. Nothing in the window changes.
    void printWindow(QWidget* window);

    // Writes the image, scaled to fit, as a one-page PDF file through the
    // program's one safe write: the file holds either the whole new page or
    // what it held before. Returns the reason for a failure, or an empty text.
    static QString saveAsPdf(const QImage& image, const QString& path);

private:
    QString printOnDefaultPrinter(const QImage& image);

    Prompts& prompts_;
};

// Draws the image as large as fits on the device's page, keeping its shape;
// false when the device would not take the page.
bool paintFitted(QPaintDevice& device, const QImage& image);

}  // namespace dalvo::ui
