#include "views/tables/step_grid.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QStyleOptionHeader>
#include <QStylePainter>
#include <utility>

#include "ui/common/controls.h"
#include "ui/common/twips.h"
#include "views/tables/step_table_model.h"

namespace dalvo::ui {

namespace {

constexpr int kColumnWidth = 1200;
// Room above and below the text of a row, like the grid's own cell margins.
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

StepGrid::StepGrid(NumberLocale locale, QWidget* parent) : QTableView(parent)
{
    setFont(timesFont(12));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTabKeyNavigation(false);

    const int rowHeight = fontMetrics().height() + twips(kRowPadding);
    fixSections(horizontalHeader(), twips(kColumnWidth));
    horizontalHeader()->setFixedHeight(rowHeight);
    fixSections(verticalHeader(), rowHeight);
    verticalHeader()->setFixedWidth(twips(kColumnWidth));
    horizontalHeader()->setAccessibleName(QStringLiteral("Column headings"));
    verticalHeader()->setAccessibleName(QStringLiteral("Row headings"));

    model_ = new StepTableModel(std::move(locale), this);
    setModel(model_);

    // The view's corner button sits where the step column's header belongs;
    // it is given that header's text and drawn as a header cell.
    corner_ = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (corner_) {
        corner_->setText(model_->gridText(0, 0));
        corner_->installEventFilter(this);
    }
}

void StepGrid::setTable(StepTable table)
{
    model_->setTable(std::move(table));
    if (corner_)
        corner_->setText(model_->gridText(0, 0));
    // Lays the rows out now rather than on a later pass of the event loop,
    // so the first picture of a long run already has its scroll bar.
    executeDelayedItemsLayout();
    scrollToTop();
}

int StepGrid::Rows() const
{
    return model_->table().Rows();
}

int StepGrid::Cols() const
{
    return model_->table().Cols();
}

QString StepGrid::TextMatrix(int row, int col) const
{
    if (row == 0 && col == 0)
        return corner_ ? corner_->text() : QString();
    if (row == 0)
        return model_->headerData(col - 1, Qt::Horizontal).toString();
    if (col == 0)
        return model_->headerData(row - 1, Qt::Vertical).toString();
    return model_->data(model_->index(row - 1, col - 1)).toString();
}

bool StepGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == corner_ && event->type() == QEvent::Paint) {
        paintCorner();
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

void StepGrid::paintCorner()
{
    QStyleOptionHeader option;
    option.initFrom(corner_);
    option.state = QStyle::State_None;
    if (corner_->isEnabled())
        option.state |= QStyle::State_Enabled;
    if (corner_->isActiveWindow())
        option.state |= QStyle::State_Active;
    if (corner_->isDown())
        option.state |= QStyle::State_Sunken;
    option.rect = corner_->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.orientation = Qt::Horizontal;
    option.text = corner_->text();
    option.textAlignment = Qt::AlignCenter;
    QStylePainter painter(corner_);
    painter.drawControl(QStyle::CE_Header, option);
}

}  // namespace dalvo::ui
