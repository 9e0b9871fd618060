#include "ui/common/accessible_names.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "ui/common/clickable_label.h"

namespace dalvo::ui {
namespace {

QString spokenName(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

TEST(AccessibleNamesTest, CaptionsLoseTheirMnemonicMarker)
{
    struct Case {
        const char* caption;
        const char* spoken;
    };
    const Case cases[] = {
        {"&Print page", "Print page"},     {"Go &back", "Go back"},
        {"Fish && chips", "Fish & chips"}, {"A&&&B", "A&B"},
        {"Ends with &", "Ends with "},     {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(withoutMnemonic(QString::fromUtf8(c.caption)), QString::fromUtf8(c.spoken)) << c.caption;
}

// One control of each kind in a window, named by the helper as a screen
// reader then says it.
TEST(AccessibleNamesTest, NamesEachControlFromItsCaptionOrElseItsTooltip)
{
    QWidget window;
    auto* captioned = new QPushButton(QStringLiteral("&Detail"), &window);
    captioned->setToolTip(QStringLiteral("Show detail data"));
    auto* picture = new QPushButton(&window);
    picture->setToolTip(QStringLiteral("Quiz"));
    auto* clickable = new ClickableLabel(&window);
    clickable->setText(QStringLiteral("<b>Dalvo</b>-Leslie"));
    auto* field = new QLineEdit(&window);
    field->setToolTip(QStringLiteral("Growth rate"));
    auto* named = new QLineEdit(&window);
    named->setAccessibleName(QStringLiteral("Matrix row 1, column 1"));
    named->setToolTip(QStringLiteral("not this"));
    auto* clock = new QLabel(QStringLiteral("12:00:00"), &window);

    nameControlsForScreenReaders(&window);

    struct Case {
        const char* control;
        QWidget* widget;
        const char* spoken;
    };
    const Case cases[] = {
        {"button with a caption", captioned, "Detail"},
        {"picture button", picture, "Quiz"},
        {"clickable label with markup", clickable, "Dalvo-Leslie"},
        {"field with a tooltip", field, "Growth rate"},
        {"control its window named", named, "Matrix row 1, column 1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(spokenName(c.widget), QString::fromUtf8(c.spoken)) << c.control;

    // A plain label keeps no fixed name, so it is read as it reads now.
    EXPECT_TRUE(clock->accessibleName().isEmpty());
    clock->setText(QStringLiteral("12:00:01"));
    EXPECT_EQ(spokenName(clock), "12:00:01");
}

}  // namespace
}  // namespace dalvo::ui
