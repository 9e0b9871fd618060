// Prints an image of a window's client area on the default printer, or offers a PDF file instead.
#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <functional>

class QPaintDevice;
class QWidget;

namespace dalvo::ui {

class PagePrinter : public QObject {
    Q_OBJECT
public:
    explicit PagePrinter(QObject* parent);

    // Sends the window's current image to the default printer with no
    // dialog. When there is no printer or printing fails, says why and offers
    // to save the page as a PDF file. Nothing in the window changes.
    void printWindow(QWidget* window);

    // Writes the image, scaled to fit, as a one-page PDF file. The file is
    // replaced only once the page is complete. Returns the reason for a
    // failure, or an empty text.
    static QString saveAsPdf(const QImage& image, const QString& path);

    // The student's answers; the defaults ask with dialogs, tests answer
    // directly.
    std::function<bool(QWidget* window, const QString& question)> confirm;
    std::function<QString(QWidget* window)> choosePdfPath;
    std::function<void(QWidget* window, const QString& message)> report;

private:
    QString printOnDefaultPrinter(const QImage& image);
};

// Draws the image as large as fits on the device's page, keeping its shape;
// false when the device would not take the page.
bool paintFitted(QPaintDevice& device, const QImage& image);

}  // namespace dalvo::ui
