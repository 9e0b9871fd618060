#include "ui/tables/table_window.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <utility>
#include <vector>

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

}  // namespace

TableWindow::TableWindow(AgeColumns ages, const History& history, NumberLocale locale, Prompts& prompts,
                         QWidget* parent)
    : SecondaryWindow(parent), ages_(ages), history_(history)
{
    if (ages_ == AgeColumns::Numbers) {
        setWindowTitle(tr("Age structure and growth rate"));
        makeFixedSizeWindow(this, 10236, 7860);
        buildTable(std::move(locale), 120, 120, 9972, 6972);
        historyTable_->setAccessibleName(tr("Age structure and growth rate table"));
        buildAgeStructureButtons(prompts);
    } else {
        setWindowTitle(tr("Age distribution"));
        makeFixedSizeWindow(this, 9295, 7546);
        buildTable(std::move(locale), 120, 120, 9015, 6855);
        historyTable_->setAccessibleName(tr("Age distribution table"));
        buildAgeDistributionButtons();
    }
    giveObjectNames();

    connect(showOtherTableButton_, &QPushButton::clicked, this, &TableWindow::otherTableRequested);
    connect(backToMainButton_, &QPushButton::clicked, this, &TableWindow::backToMainRequested);

    centreOnScreen(this);
}

void TableWindow::fillFromRun()
{
    model_->takeSnapshot(history_);
    columnWidths_->fit();
    // Lays the rows out now rather than on a later pass of the event loop,
    // so the first picture of a long run already has its scroll bar.
    historyTable_->doItemsLayout();
    historyTable_->scrollToTop();
}

// A fixed heading row and step column around centred, read-only cells; the
// cell texts are made only when a cell comes into view, so a run of a
// thousand steps opens as quickly as a short one.
void TableWindow::buildTable(NumberLocale locale, int x, int y, int width, int height)
{
    historyTable_ = new QTableView(this);
    historyTable_->setGeometry(twipRect(x, y, width, height));
    historyTable_->setFont(timesFont(12));
    historyTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    historyTable_->setWordWrap(false);
    historyTable_->setTabKeyNavigation(false);

    const int rowHeight = historyTable_->fontMetrics().height() + twips(kRowPadding);
    QHeaderView* headings = historyTable_->horizontalHeader();
    fixSections(headings, twips(kColumnWidth));
    headings->setSectionResizeMode(QHeaderView::Interactive);
    headings->setFixedHeight(rowHeight);
    headings->setAccessibleName(tr("Column headings"));
    QHeaderView* steps = historyTable_->verticalHeader();
    fixSections(steps, rowHeight);
    steps->setAccessibleName(tr("Row headings"));

    model_ = new HistoryTableModel(ages_, std::move(locale), this);
    historyTable_->setModel(model_);
    headVerticalHeader(historyTable_, HistoryTableModel::stepHeading());
    copySelectedCellsOnCopyKeys(historyTable_);
    columnWidths_ = new ColumnWidths(historyTable_, *model_, twips(kColumnWidth));
    columnWidths_->fit();
}

void TableWindow::buildAgeStructureButtons(Prompts& prompts)
{
    showOtherTableButton_ = makeButton(this, {}, tr("Show age distribution"), {}, 120, 7320, 3255, 495);
    printButton_ = makeButton(this, {}, tr("Print this page"), {}, 3720, 7320, 3012, 495);
    backToMainButton_ = makeButton(this, {}, tr("Back to the main form"), {}, 7080, 7320, 3012, 495);

    // The keyboard visits the table, then the buttons from right to left.
    setTabOrder(historyTable_, backToMainButton_);
    setTabOrder(backToMainButton_, printButton_);
    setTabOrder(printButton_, showOtherTableButton_);

    printer_ = new PagePrinter(prompts, this);
    connect(printButton_, &QPushButton::clicked, this, [this] { printer_->printWindow(this); });
}

void TableWindow::buildAgeDistributionButtons()
{
    backToMainButton_ = makeButton(this, {}, tr("Back to the main form"), {}, 1200, 7080, 3255, 375);
    showOtherTableButton_ = makeButton(this, {}, tr("Show age structure"), {}, 4800, 7080, 3495, 375);
}

// The names the program's tests and accessibility tools have always found
// these controls by.
void TableWindow::giveObjectNames()
{
    struct ObjectName {
        QObject* object;
        const char* name;
    };
    const std::vector<ObjectName> names =
        ages_ == AgeColumns::Numbers ? std::vector<ObjectName>{{this, "DataTabl"},
                                                               {historyTable_, "MSFlexGrid1"},
                                                               {showOtherTableButton_, "Command3"},
                                                               {printButton_, "Command2"},
                                                               {backToMainButton_, "Command1"}}
                                     : std::vector<ObjectName>{{this, "frmAgeDist"},
                                                               {historyTable_, "MSFlexGrid1"},
                                                               {backToMainButton_, "Command1"},
                                                               {showOtherTableButton_, "Command2"}};
    for (const ObjectName& entry : names)
        entry.object->setObjectName(QString::fromLatin1(entry.name));
}

}  // namespace dalvo::ui
