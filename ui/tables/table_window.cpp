// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/tables/table_window.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <utility>
#include <vector>

#include "ui/common/control_sheet.h"
#include "ui/common/controls.h"
#include "ui/common/page_printer.h"
#include "ui/common/twips.h"
#include "ui/tables/cell_copy.h"
#include "ui/tables/column_widths.h"
#include "ui/tables/corner_heading.h"
#include "ui/tables/history_table_model.h"

namespace dalvo::ui {

namespace {

constexpr int kColumnWidth = 1200;
// Room above and below the text of a row, like the cell margins of the
// tables this program has always shown.
constexpr int kRowPadding = 60;

void fixSections(QHeaderView* header, int size)
{
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setMinimumSectionSize(1);
    header->setDefaultSectionSize(size);
    header->setDefaultAlignment(Qt::AlignCenter);
    header->setHighlightSections(false);
}

ControlSheet makeSheet(AgeColumns ages)
{
    const char* context = "dalvo::ui::TableWindow";
    if (ages == AgeColumns::Numbers)
        return {.context = context,
                .windowName = QStringLiteral("DataTabl"),
                .twips = {10236, 7860},
                .controls = {
                    {.role = "historyTable",
                     .objectName = "MSFlexGrid1",
                     .kind = ControlKind::Own,
                     .twips = {120, 120, 9972, 6972},
                     .font = {12},
                     .accessibleName =
                         QT_TRANSLATE_NOOP("dalvo::ui::TableWindow", "Age structure and growth rate table")},
                    usualButton("showOtherTableButton", "Command3",
                           QT_TRANSLATE_NOOP("dalvo::ui::TableWindow", "Show age distribution"),
                           {120, 7320, 3255, 495}),
                    usualButton("printButton", "Command2",
                           QT_TRANSLATE_NOOP("dalvo::ui::TableWindow", "Print this page"),
                           {3720, 7320, 3012, 495}),
                    usualButton("backToMainButton", "Command1",
                           QT_TRANSLATE_NOOP("dalvo::ui::TableWindow", "Back to the main form"),
                           {7080, 7320, 3012, 495}),
                }};
    return {.context = context,
            .windowName = QStringLiteral("frmAgeDist"),
            .twips = {9295, 7546},
            .controls = {
                {.role = "historyTable",
                 .objectName = "MSFlexGrid1",
                 .kind = ControlKind::Own,
                 .twips = {120, 120, 9015, 6855},
                 .font = {12},
                 .accessibleName = QT_TRANSLATE_NOOP("dalvo::ui::TableWindow", "Age distribution table")},
                usualButton("backToMainButton", "Command1",
                       QT_TRANSLATE_NOOP("dalvo::ui::TableWindow", "Back to the main form"),
                       {1200, 7080, 3255, 375}),
                usualButton("showOtherTableButton", "Command2",
                       QT_TRANSLATE_NOOP("dalvo::ui::TableWindow", "Show age structure"),
                       {4800, 7080, 3495, 375}),
            }};
}

}  // namespace

const ControlSheet& TableWindow::sheet(AgeColumns ages)
{
    static const ControlSheet numbers = makeSheet(AgeColumns::Numbers);
    static const ControlSheet proportions = makeSheet(AgeColumns::Proportions);
    return ages == AgeColumns::Numbers ? numbers : proportions;
}

TableWindow::TableWindow(AgeColumns ages, const StepwiseRun& run, NumberLocale locale, Prompts& prompts,
                         QWidget* parent)
    : SecondaryWindow(parent), ages_(ages), run_(run)
{
    const ControlSheet& controls = sheet(ages_);
    makeFixedSizeWindow(this, controls.twips.width(), controls.twips.height());
    const ControlSet built = buildControls(
        this, controls,
        {{QStringLiteral("historyTable"), [](QWidget* window) { return new QTableView(window); }}});
    historyTable_ = built.get<QTableView>(QStringLiteral("historyTable"));
    showOtherTableButton_ = built.get<QPushButton>(QStringLiteral("showOtherTableButton"));
    backToMainButton_ = built.get<QPushButton>(QStringLiteral("backToMainButton"));
    buildTable(std::move(locale));
    refill();
    watch_ = run_.subscribe([this](const StepwiseRun&) {
        if (isVisible())
            refill();
        else
            stale_ = true;
    });
    if (ages_ == AgeColumns::Numbers) {
        setWindowTitle(tr("Age structure and growth rate"));
        printButton_ = built.get<QPushButton>(QStringLiteral("printButton"));
        // The keyboard visits the table, then the buttons from right to left.
        setTabOrder(historyTable_, backToMainButton_);
        setTabOrder(backToMainButton_, printButton_);
        setTabOrder(printButton_, showOtherTableButton_);
        printer_ = new PagePrinter(prompts, this);
        connect(printButton_, &QPushButton::clicked, this, [this] { printer_->printWindow(this); });
    } else {
        setWindowTitle(tr("Age distribution"));
    }

    connect(showOtherTableButton_, &QPushButton::clicked, this, &TableWindow::otherTableRequested);
    connect(backToMainButton_, &QPushButton::clicked, this, &TableWindow::backToMainRequested);

    centreOnScreen(this);
}

void TableWindow::refill()
{
    stale_ = false;
    model_->takeSnapshot(run_.history());
    columnWidths_->fit();
    // Lays the rows out now rather than on a later pass of the event loop,
    // so the first picture of a long run already has its scroll bar.
    historyTable_->doItemsLayout();
}

void TableWindow::resetView()
{
    if (stale_)
        refill();
    columnWidths_->fit();
    historyTable_->scrollToTop();
}

void TableWindow::showEvent(QShowEvent* event)
{
    if (stale_)
        refill();
    SecondaryWindow::showEvent(event);
}

// A fixed heading row and step column around centred, read-only cells; the
// cell texts are made only when a cell comes into view, so a run of a
// thousand steps opens as quickly as a short one.
void TableWindow::buildTable(NumberLocale locale)
{
    historyTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    historyTable_->setWordWrap(false);
    historyTable_->setTabKeyNavigation(false);

    const int rowHeight = historyTable_->fontMetrics().height() + twips(kRowPadding);
    QHeaderView* headings = historyTable_->horizontalHeader();
    fixSections(headings, twips(kColumnWidth));
    headings->setSectionResizeMode(QHeaderView::Interactive);
    headings->setFixedHeight(rowHeight);
    QHeaderView* steps = historyTable_->verticalHeader();
    fixSections(steps, rowHeight);

    model_ = new HistoryTableModel(ages_, std::move(locale), this);
    historyTable_->setModel(model_);
    headVerticalHeader(historyTable_, HistoryTableModel::stepHeading());
    copySelectedCellsOnCopyKeys(historyTable_);
    columnWidths_ = new ColumnWidths(historyTable_, *model_, twips(kColumnWidth));
    columnWidths_->fit();
}

}  // namespace dalvo::ui
