#include "views/tables/age_distribution_window.h"

#include <QPushButton>
#include <utility>

#include "ui/common/controls.h"
#include "ui/common/twips.h"
#include "views/tables/step_grid.h"

namespace dalvo::ui {

AgeDistributionWindow::AgeDistributionWindow(const History& history, NumberLocale locale, QWidget* parent)
    : SecondaryWindow(parent), history_(history)
{
    setObjectName(QStringLiteral("frmAgeDist"));
    setWindowTitle(QStringLiteral("Age distribution"));
    makeFixedSizeWindow(this, 9295, 7546);

    MSFlexGrid1 = new StepGrid(std::move(locale), this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    MSFlexGrid1->setGeometry(twipRect(120, 120, 9015, 6855));
    MSFlexGrid1->setAccessibleName(QStringLiteral("Age distribution table"));

    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("Back to the main form"), {}, 1200,
                          7080, 3255, 375);
    Command2 = makeButton(this, QStringLiteral("Command2"), QStringLiteral("Show age structure"), {}, 4800,
                          7080, 3495, 375);

    connect(Command1, &QPushButton::clicked, this, &AgeDistributionWindow::backToMainRequested);
    connect(Command2, &QPushButton::clicked, this, &AgeDistributionWindow::showAgeStructureRequested);

    centreOnScreen(this);
}

void AgeDistributionWindow::ShowAgeDistribution()
{
    MSFlexGrid1->setTable(StepTable(history_, AgeColumns::Proportions));
}

}  // namespace dalvo::ui
