#include "views/tables/step_grid.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QFontMetrics>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QStylePainter>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "ui/common/controls.h"
#include "ui/common/twips.h"
#include "views/tables/step_table_model.h"

namespace dalvo::ui {

namespace {

constexpr int kColumnWidth = 1200;
// Room above and below the text of a row, like the grid's own cell margins.
constexpr int kRowPadding = 60;

// Widths of the short number texts of a column, summed from the advances of
// single characters and the kerning of pairs: a handful of distinct
// characters, so a thousand texts cost a few dozen shapings instead of a
// thousand.
class TextWidths {
public:
    explicit TextWidths(const QFont& font) : metrics_(font) {}

    qreal of(const QString& text)
    {
        qreal sum = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            sum += advance(text[i]);
            if (i > 0)
                sum += kerning(text[i - 1], text[i]);
        }
        return sum;
    }

private:
    qreal advance(QChar ch)
    {
        const auto found = advances_.constFind(ch.unicode());
        if (found != advances_.cend())
            return *found;
        return advances_[ch.unicode()] = metrics_.horizontalAdvance(ch);
    }
    qreal kerning(QChar first, QChar second)
    {
        const std::uint32_t pair = (std::uint32_t{first.unicode()} << 16) | second.unicode();
        const auto found = kernings_.constFind(pair);
        if (found != kernings_.cend())
            return *found;
        const qreal both = metrics_.horizontalAdvance(QString(first) + second);
        return kernings_[pair] = both - advance(first) - advance(second);
    }

    QFontMetricsF metrics_;
    QHash<char16_t, qreal> advances_;
    QHash<std::uint32_t, qreal> kernings_;
};

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
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setFixedHeight(rowHeight);
    fixSections(verticalHeader(), rowHeight);
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
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &StepGrid::keepColumnWide);
    fitColumns();
}

void StepGrid::setTable(StepTable table)
{
    model_->setTable(std::move(table));
    if (corner_)
        corner_->setText(model_->gridText(0, 0));
    fitColumns();
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

QString StepGrid::selectedText() const
{
    QModelIndexList cells = selectionModel()->selectedIndexes();
    if (cells.isEmpty() && currentIndex().isValid())
        cells << currentIndex();
    if (cells.isEmpty())
        return {};
    int top = cells.first().row(), bottom = top, left = cells.first().column(), right = left;
    for (const QModelIndex& cell : cells) {
        top = std::min(top, cell.row());
        bottom = std::max(bottom, cell.row());
        left = std::min(left, cell.column());
        right = std::max(right, cell.column());
    }
    const int width = right - left + 1;
    std::vector<bool> chosen(static_cast<std::size_t>((bottom - top + 1) * width), false);
    for (const QModelIndex& cell : cells)
        chosen[static_cast<std::size_t>((cell.row() - top) * width + cell.column() - left)] = true;

    QString text;
    for (int row = top; row <= bottom; ++row) {
        for (int col = left; col <= right; ++col) {
            if (col > left)
                text += QLatin1Char('\t');
            if (chosen[static_cast<std::size_t>((row - top) * width + col - left)])
                text += model_->gridText(row + 1, col + 1);
        }
        text += QLatin1Char('\n');
    }
    return text;
}

void StepGrid::keyPressEvent(QKeyEvent* event)
{
    // The view's own copy takes the current cell only.
    if (event->matches(QKeySequence::Copy)) {
        const QString text = selectedText();
        if (!text.isEmpty())
            QApplication::clipboard()->setText(text);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

int StepGrid::neededWidth(int col) const
{
    const QFontMetrics metrics(font());
    TextWidths widths(font());
    qreal widest = 0;
    QString widestText;
    for (int row = 1; row < Rows(); ++row) {
        QString text = model_->gridText(row, col);
        const qreal width = widths.of(text);
        if (width > widest) {
            widest = width;
            widestText = std::move(text);
        }
    }
    // The widest text is also measured whole, in case its shaping differs
    // from the sum of its pairs.
    widest = std::max(widest, static_cast<qreal>(metrics.horizontalAdvance(widestText)));
    // The item view leaves a focus-frame margin and a pixel either side of a
    // cell's text, and the grid line takes the cell's last pixel.
    const int textMargin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int gridLine = showGrid() ? 1 : 0;
    int needed = static_cast<int>(std::ceil(widest)) + 2 * textMargin + gridLine;
    // A header draws its text inside margins of its own and a frame.
    const int headerMargin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader());
    needed = std::max(needed, metrics.horizontalAdvance(model_->gridText(0, col)) + 2 * headerMargin + 2);
    return std::max(needed, twips(kColumnWidth));
}

void StepGrid::fitColumns()
{
    needed_.assign(static_cast<std::size_t>(Cols()), twips(kColumnWidth));
    for (int col = 0; col < Cols(); ++col)
        needed_[static_cast<std::size_t>(col)] = neededWidth(col);
    verticalHeader()->setFixedWidth(needed_[0]);
    for (int col = 1; col < Cols(); ++col)
        horizontalHeader()->resizeSection(col - 1, needed_[static_cast<std::size_t>(col)]);
}

void StepGrid::keepColumnWide(int section, int, int newSize)
{
    const std::size_t col = static_cast<std::size_t>(section) + 1;
    if (col < needed_.size() && newSize < needed_[col])
        horizontalHeader()->resizeSection(section, needed_[col]);
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
