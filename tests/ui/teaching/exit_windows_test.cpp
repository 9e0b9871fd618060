// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include <gtest/gtest.h>

#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include "tests/ui/teaching/teaching_window_fixture.h"
#include "ui/common/assets.h"
#include "ui/common/twips.h"

namespace dalvo::ui {
namespace {

TEST(AboutWindowTest, LabelsCarryTheirTextsInTheirColours)
{
    ShownWindow window("copyrigh");
    const int year = QDate::currentDate().year();
    struct Case {
        QString label;
        QString text;
        QColor text_colour, background;
        bool bold;
        Qt::Alignment horizontal;
    };
    const QColor grey(192, 192, 192);
    const std::vector<Case> cases = {
        {"Label2", AboutWindow::usageNotice(), Qt::blue, grey, false, Qt::AlignHCenter},
        {"Label3", AboutWindow::protectionNotice(), Qt::yellow, Qt::red, true, Qt::AlignHCenter},
        {"Label4", AboutWindow::rightsLine(), Qt::blue, grey, false, Qt::AlignHCenter},
        {"Label7", AboutWindow::citation(year), Qt::yellow, Qt::blue, false, Qt::AlignLeft},
        {"Label5", AboutWindow::makerNotice(), Qt::blue, grey, false, Qt::AlignHCenter},
        {"Label6", AboutWindow::newVersionNotice(), Qt::black, Qt::cyan, false, Qt::AlignHCenter},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label.toStdString());
        auto* label = window.control<QLabel>(c.label);
        ASSERT_TRUE(label);
        EXPECT_EQ(label->text(), c.text);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), c.text_colour);
        EXPECT_EQ(label->palette().color(QPalette::Window), c.background);
        EXPECT_EQ(label->font().family(), "Times New Roman");
        EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 12);
        EXPECT_EQ(label->font().bold(), c.bold);
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, c.horizontal);
        EXPECT_TRUE(label->wordWrap());
    }
    // The three boxed labels have a border; the others stand free.
    for (const char* boxed : {"Label3", "Label7", "Label6"})
        EXPECT_NE(window.control<QLabel>(boxed)->frameShape(), QFrame::NoFrame) << boxed;
    for (const char* free : {"Label2", "Label4", "Label5"})
        EXPECT_EQ(window.control<QLabel>(free)->frameShape(), QFrame::NoFrame) << free;
}

TEST(AboutWindowTest, TheCitationCarriesTheYearOfLoading)
{
    ShownWindow window("copyrigh");
    const QString text = window.control<QLabel>("Label7")->text();
    const QString year = QString::number(QDate::currentDate().year());
    EXPECT_TRUE(text.contains("1997-" + year + ". Computer program of Dalvo-Leslie matrix.. \n"))
        << text.toStdString();
}

TEST(AboutWindowTest, ThePictureStaysInsideItsBox)
{
    ShownWindow window("copyrigh");
    auto* box = window.control<QLabel>("Picture1");
    ASSERT_TRUE(box);
    EXPECT_EQ(box->palette().color(QPalette::Window), QColor(192, 192, 192));
    const QPixmap own = assetPixmap("insect.png");
    if (own.isNull()) {
        EXPECT_TRUE(box->pixmap().isNull());
        return;
    }
    const QSize shown = box->pixmap().size();
    EXPECT_LE(shown.width(), box->width());
    EXPECT_LE(shown.height(), box->height());
    // Shrunk, if at all, with its shape kept; never enlarged.
    EXPECT_LE(shown.width(), own.width());
    EXPECT_NEAR(double(shown.width()) / shown.height(), double(own.width()) / own.height(), 0.02);
    EXPECT_TRUE(shown.width() == std::min(own.width(), box->width()) ||
                shown.height() == std::min(own.height(), box->height()));
}

class DedicationWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(window.exposed());
        frame = window.control<QGroupBox>("Frame1");
        picture = window.control<QLabel>("Picture2");
        ASSERT_TRUE(frame && picture);
    }
    ShownWindow window{"Vater"};
    QGroupBox* frame = nullptr;
    QLabel* picture = nullptr;
};

TEST_F(DedicationWindowTest, ThePictureIsCentredInItsFrame)
{
    EXPECT_EQ(picture->parentWidget(), frame);
    EXPECT_LE(std::abs(picture->x() * 2 + picture->width() - frame->width()), 1);
    EXPECT_LE(std::abs(picture->y() * 2 + picture->height() - frame->height()), 1);
    EXPECT_TRUE(frame->rect().contains(picture->geometry()));
    EXPECT_TRUE(frame->title().isEmpty());
}

TEST_F(DedicationWindowTest, ThePictureKeepsItsSizeWhenItFitsItsPlace)
{
    const QPixmap own = assetPixmap("landscape.png");
    const QSize natural = own.isNull() ? QSize(504, 559) : own.size();
    const QSize room = twipSize(6048, 6708);
    if (natural.width() <= room.width() && natural.height() <= room.height()) {
        EXPECT_EQ(picture->size(), natural);
    } else {
        EXPECT_TRUE(picture->width() == room.width() || picture->height() == room.height())
            << picture->width() << " x " << picture->height();
    }
    EXPECT_NEAR(double(picture->width()) / picture->height(), double(natural.width()) / natural.height(),
                0.02);
    if (!own.isNull()) {
        EXPECT_EQ(picture->pixmap().size(), picture->size());
    }
}

TEST_F(DedicationWindowTest, TheFrameHasThePlatformsWindowColour)
{
    EXPECT_EQ(frame->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Window));
    EXPECT_NE(frame->palette().color(QPalette::Window), window->palette().color(QPalette::Window));
}

}  // namespace
}  // namespace dalvo::ui
