#include "views/tables/data_table_window.h"

#include <QPushButton>
#include <utility>

#include "ui/common/controls.h"
#include "ui/common/page_printer.h"
#include "ui/common/twips.h"
#include "views/tables/step_grid.h"

namespace dalvo::ui {

DataTableWindow::DataTableWindow(Prompts& prompts, const History& history, NumberLocale locale,
                                 QWidget* parent)
    : SecondaryWindow(parent), history_(history)
{
    setObjectName(QStringLiteral("DataTabl"));
    setWindowTitle(QStringLiteral("Age structure and growth rate"));
    makeFixedSizeWindow(this, 10236, 7860);

    MSFlexGrid1 = new StepGrid(std::move(locale), this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    MSFlexGrid1->setGeometry(twipRect(120, 120, 9972, 6972));
    MSFlexGrid1->setAccessibleName(QStringLiteral("Age structure and growth rate table"));

    Command3 = makeButton(this, QStringLiteral("Command3"), QStringLiteral("Show age distribution"), {}, 120,
                          7320, 3255, 495);
    Command2 = makeButton(this, QStringLiteral("Command2"), QStringLiteral("Print this page"), {}, 3720, 7320,
                          3012, 495);
    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("Back to the main form"), {}, 7080,
                          7320, 3012, 495);

    // The keyboard visits the grid, then the buttons from right to left.
    setTabOrder(MSFlexGrid1, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);

    printer_ = new PagePrinter(prompts, this);

    connect(Command1, &QPushButton::clicked, this, &DataTableWindow::backToMainRequested);
    connect(Command2, &QPushButton::clicked, this, [this] { printer_->printWindow(this); });
    connect(Command3, &QPushButton::clicked, this, &DataTableWindow::ageDistributionRequested);

    centreOnScreen(this);
}

void DataTableWindow::ShowAgeStructure()
{
    MSFlexGrid1->setTable(StepTable(history_, AgeColumns::Numbers));
}

}  // namespace dalvo::ui
