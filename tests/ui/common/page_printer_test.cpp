// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/common/page_printer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace dalvo::ui {
namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage testPage()
{
    QImage image(680, 497, QImage::Format_RGB32);
    image.fill(Qt::yellow);
    return image;
}

TEST(PagePrinterTest, SavesAOnePagePdf)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("page.pdf");
    EXPECT_EQ(PagePrinter::saveAsPdf(testPage(), path), QString());
    const QByteArray pdf = contents(path);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 1);
}

TEST(PagePrinterTest, FailureNamesTheFileAndKeepsWhatWasThere)
{
    QTemporaryDir folder;
    struct Case {
        const char* name;
        QString path;
    };
    ASSERT_TRUE(QDir(folder.path()).mkdir("taken.pdf"));
    const std::vector<Case> cases = {
        {"missing folder", folder.filePath("no such folder/page.pdf")},
        {"a folder in the way", folder.filePath("taken.pdf")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString failure = PagePrinter::saveAsPdf(testPage(), c.path);
        EXPECT_TRUE(failure.contains(QFileInfo(c.path).fileName())) << failure.toStdString();
    }
    EXPECT_TRUE(QFileInfo(folder.filePath("taken.pdf")).isDir());
}

TEST(PagePrinterTest, ReplacesAnEarlierPage)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("page.pdf");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an older page");
    }
    EXPECT_EQ(PagePrinter::saveAsPdf(testPage(), path), QString());
    EXPECT_TRUE(contents(path).startsWith("%PDF-"));
}

}  // namespace
}  // namespace dalvo::ui
