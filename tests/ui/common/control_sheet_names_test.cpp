#include "ui/common/control_sheet.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QHeaderView>
#include <QTableView>
#include <QWidget>

namespace dalvo::ui {
namespace {

QString spokenName(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

TEST(ControlSheetNamesTest, CaptionsLoseTheirMnemonicMarker)
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

// One control of each kind built from a sheet, named as a screen reader
// then says it.
TEST(ControlSheetNamesTest, NamesEachControlFromItsSheet)
{
    const ControlSheet sheet = {
        .context = "ControlSheetNamesTest",
        .windowName = QStringLiteral("frmTest"),
        .twips = {6000, 6000},
        .controls = {
            {.role = "captioned", .kind = ControlKind::Button, .caption = "&Detail", .toolTip = "Show detail"},
            {.role = "picture", .kind = ControlKind::Button, .toolTip = "Quiz"},
            {.role = "box", .kind = ControlKind::CheckBox, .caption = "Fish && &chips"},
            {.role = "clickable", .kind = ControlKind::ClickableLabel, .caption = "<b>Dalvo</b>-Leslie"},
            {.role = "field", .kind = ControlKind::EditableField, .toolTip = "Growth rate"},
            {.role = "cell",
             .kind = ControlKind::EditableField,
             .toolTip = "not this",
             .accessibleName = "Matrix row %1, column %2",
             .textArguments = {1, 2}},
            {.role = "table", .kind = ControlKind::Own, .accessibleName = "History"},
            {.role = "clock", .caption = "12:00:00"},
        }};
    QWidget window;
    const ControlSet built = buildControls(
        &window, sheet, {{QStringLiteral("table"), [](QWidget* parent) { return new QTableView(parent); }}});
    auto* table = built.get<QTableView>(QStringLiteral("table"));

    struct Case {
        const char* control;
        QWidget* widget;
        const char* spoken;
    };
    const Case cases[] = {
        {"button with a caption", built[QStringLiteral("captioned")], "Detail"},
        {"picture button", built[QStringLiteral("picture")], "Quiz"},
        {"check box", built[QStringLiteral("box")], "Fish & chips"},
        {"clickable label with markup", built[QStringLiteral("clickable")], "Dalvo-Leslie"},
        {"field with a tooltip", built[QStringLiteral("field")], "Growth rate"},
        {"field with its own name", built[QStringLiteral("cell")], "Matrix row 1, column 2"},
        {"table", table, "History"},
        {"table's heading row", table->horizontalHeader(), "Column headings"},
        {"table's step column", table->verticalHeader(), "Row headings"},
        {"table's corner", table->findChild<QAbstractButton*>(), "Select all cells"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(spokenName(c.widget), QString::fromUtf8(c.spoken)) << c.control;

    // A plain label keeps no fixed name, so it is read as it reads now.
    auto* clock = built.get<QLabel>(QStringLiteral("clock"));
    EXPECT_TRUE(clock->accessibleName().isEmpty());
    clock->setText(QStringLiteral("12:00:01"));
    EXPECT_EQ(spokenName(clock), "12:00:01");
}

}  // namespace
}  // namespace dalvo::ui
