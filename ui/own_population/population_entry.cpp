// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/own_population/population_entry.h"

#include <QAction>
#include <QButtonGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

#include "model/life_table.h"
#include "model/stepwise_run.h"
#include "presentation/own_population_text.h"
#include "ui/common/control_sheet.h"
#include "ui/common/controls.h"
#include "ui/common/messages.h"
#include "ui/common/twips.h"

namespace dalvo::ui {

namespace {

const QColor kRefusedBackground{255, 192, 192};
const QColor kReadOnlyBackground{232, 232, 232};

ControlEntry radio(const char* role, const char* caption, QRect twips)
{
    return {.role = role, .objectName = role, .kind = ControlKind::Own, .caption = caption, .twips = twips,
            .font = {10}};
}

ControlSheet makeSheet()
{
    return {
        .context = "dalvo::ui::PopulationEntry",
        .windowName = QStringLiteral("ownPopulationEntry"),
        .twips = {4200, 9420},
        .controls =
            {
                radio("matrixRadio", QT_TRANSLATE_NOOP("dalvo::ui::PopulationEntry", "&Matrix"),
                      {60, 60, 1440, 330}),
                radio("lifeTableRadio", QT_TRANSLATE_NOOP("dalvo::ui::PopulationEntry", "&Life table"),
                      {1560, 60, 2580, 330}),
                radio("preBreedingRadio",
                      QT_TRANSLATE_NOOP("dalvo::ui::PopulationEntry", "Pr&e-breeding census"),
                      {60, 420, 4080, 300}),
                radio("postBreedingRadio",
                      QT_TRANSLATE_NOOP("dalvo::ui::PopulationEntry", "P&ost-breeding census"),
                      {60, 750, 4080, 300}),
                {.role = "entryTable",
                 .objectName = "entryTable",
                 .kind = ControlKind::Own,
                 .twips = {60, 1140, 4080, 7080},
                 .font = {10},
                 .accessibleName = QT_TRANSLATE_NOOP("dalvo::ui::PopulationEntry", "Population by age")},
                {.role = "addRowButton",
                 .objectName = "addRowButton",
                 .kind = ControlKind::Button,
                 .caption = QT_TRANSLATE_NOOP("dalvo::ui::PopulationEntry", "Add a row"),
                 .toolTip = QT_TRANSLATE_NOOP("dalvo::ui::PopulationEntry", "Add an age at the end"),
                 .twips = {60, 8340, 1980, 435},
                 .font = {10, true}},
                {.role = "removeRowButton",
                 .objectName = "removeRowButton",
                 .kind = ControlKind::Button,
                 .caption = QT_TRANSLATE_NOOP("dalvo::ui::PopulationEntry", "Remove a row"),
                 .toolTip = QT_TRANSLATE_NOOP("dalvo::ui::PopulationEntry", "Remove the selected row"),
                 .twips = {2160, 8340, 1980, 435},
                 .font = {10, true}},
                {.role = "reasonLabel", .objectName = "reasonLabel", .twips = {60, 8820, 4080, 540}, .font = {10}},
            },
    };
}

// Checks the text in the cell editor at every keystroke; the cell's own
// check runs again when the edit is committed.
class CheckedCellDelegate : public QStyledItemDelegate {
public:
    using Check = std::function<void(QLineEdit* editor, const QModelIndex& index, const QString& text)>;
    CheckedCellDelegate(Check check, QObject* parent) : QStyledItemDelegate(parent), check_(std::move(check)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        QObject::connect(editor, &QLineEdit::textEdited, editor,
                         [this, editor, index](const QString& text) { check_(editor, index, text); });
        return editor;
    }

private:
    Check check_;
};

std::vector<double> resized(std::vector<double> values, int size)
{
    values.resize(static_cast<std::size_t>(std::max(size, 0)), 0.0);
    return values;
}

}  // namespace

void placeFollowing(QWidget* control, const QRect& twips, QSize grown, Follow follow)
{
    QRect place = twipRect(twips.x(), twips.y(), twips.width(), twips.height());
    place.translate(follow.right ? grown.width() : 0, follow.down ? grown.height() : 0);
    if (follow.wider)
        place.setWidth(std::max(place.width() + grown.width(), 1));
    if (follow.taller)
        place.setHeight(std::max(place.height() + grown.height(), 1));
    control->setGeometry(place);
}

const ControlSheet& PopulationEntry::sheet()
{
    static const ControlSheet sheet = makeSheet();
    return sheet;
}

PopulationEntry::PopulationEntry(NumberLocale locale, QWidget* parent) : QWidget(parent), locale_(std::move(locale))
{
    resize(twipSize(sheet().twips.width(), sheet().twips.height()));
    auto makeRadio = [](const char* role) {
        return [role](QWidget* panel) {
            return new QRadioButton(sheet().text(sheet()[QString::fromLatin1(role)].caption), panel);
        };
    };
    const ControlSet controls = buildControls(
        this, sheet(),
        {{QStringLiteral("matrixRadio"), makeRadio("matrixRadio")},
         {QStringLiteral("lifeTableRadio"), makeRadio("lifeTableRadio")},
         {QStringLiteral("preBreedingRadio"), makeRadio("preBreedingRadio")},
         {QStringLiteral("postBreedingRadio"), makeRadio("postBreedingRadio")},
         {QStringLiteral("entryTable"), [](QWidget* panel) { return new QTableWidget(panel); }}});

    matrixRadio_ = controls.get<QRadioButton>(QStringLiteral("matrixRadio"));
    lifeTableRadio_ = controls.get<QRadioButton>(QStringLiteral("lifeTableRadio"));
    preBreedingRadio_ = controls.get<QRadioButton>(QStringLiteral("preBreedingRadio"));
    postBreedingRadio_ = controls.get<QRadioButton>(QStringLiteral("postBreedingRadio"));
    modeGroup_ = new QButtonGroup(this);
    modeGroup_->addButton(matrixRadio_);
    modeGroup_->addButton(lifeTableRadio_);
    censusGroup_ = new QButtonGroup(this);
    censusGroup_->addButton(preBreedingRadio_);
    censusGroup_->addButton(postBreedingRadio_);
    connect(lifeTableRadio_, &QRadioButton::toggled, this, [this](bool on) {
        if (!filling_)
            switchEntryMode(on);
    });
    connect(postBreedingRadio_, &QRadioButton::toggled, this, [this](bool on) {
        if (!filling_)
            switchCensus(on ? Census::PostBreeding : Census::PreBreeding);
    });

    table_ = controls.get<QTableWidget>(QStringLiteral("entryTable"));
    table_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    // Every number stays whole; a narrow panel scrolls instead.
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setTabKeyNavigation(false);
    table_->setItemDelegate(new CheckedCellDelegate(
        [this](QLineEdit* editor, const QModelIndex& index, const QString& text) {
            const QString why = refusal(index.row(), index.column(), text);
            QPalette palette = editor->palette();
            palette.setColor(QPalette::Base, why.isEmpty() ? table_->palette().color(QPalette::Base)
                                                          : kRefusedBackground);
            editor->setPalette(palette);
            reasonLabel_->setText(why);
        },
        table_));
    connect(table_, &QTableWidget::itemChanged, this, [this] {
        if (!filling_)
            acceptTable();
    });
    // A block of cells copied from a spreadsheet: tab between cells, one line per row.
    auto* pasteAction = new QAction(table_);
    pasteAction->setShortcut(QKeySequence::Paste);
    pasteAction->setShortcutContext(Qt::WidgetShortcut);
    table_->addAction(pasteAction);
    connect(pasteAction, &QAction::triggered, this, &PopulationEntry::paste);

    addRowButton_ = controls.get<QPushButton>(QStringLiteral("addRowButton"));
    removeRowButton_ = controls.get<QPushButton>(QStringLiteral("removeRowButton"));
    connect(addRowButton_, &QPushButton::clicked, this, &PopulationEntry::addRow);
    connect(removeRowButton_, &QPushButton::clicked, this, &PopulationEntry::removeRow);

    reasonLabel_ = controls.get<QLabel>(QStringLiteral("reasonLabel"));
    reasonLabel_->setWordWrap(true);
    reasonLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(reasonLabel_, colours::red);

    showPopulation({.matrix = defaultMatrix(), .initial = defaultInitial()});
}

void PopulationEntry::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!table_)
        return;
    const QSize grown = size() - twipSize(sheet().twips.width(), sheet().twips.height());
    placeFollowing(table_, sheet()[QStringLiteral("entryTable")].twips, grown, {.wider = true, .taller = true});
    placeFollowing(addRowButton_, sheet()[QStringLiteral("addRowButton")].twips, grown, {.down = true});
    placeFollowing(removeRowButton_, sheet()[QStringLiteral("removeRowButton")].twips, grown, {.down = true});
    placeFollowing(reasonLabel_, sheet()[QStringLiteral("reasonLabel")].twips, grown, {.down = true, .wider = true});
}

void PopulationEntry::showPopulation(const OwnPopulation& population)
{
    population_ = population;
    population_.initial = resized(population_.initial, population_.matrix.classes());
    fillTable();
    clearMarks();
}

std::vector<PopulationEntry::Column> PopulationEntry::columns() const
{
    if (enteredAsLifeTable())
        return {Column::Age, Column::Survivorship, Column::Maternity, Column::Fecundity, Column::Survival,
                Column::Initial};
    return {Column::Fecundity, Column::Survival, Column::Initial};
}

std::optional<PopulationEntry::Column> PopulationEntry::columnAt(int column) const
{
    const std::vector<Column> all = columns();
    if (column < 0 || column >= static_cast<int>(all.size()))
        return std::nullopt;
    return all[static_cast<std::size_t>(column)];
}

int PopulationEntry::columnOf(Column column) const
{
    const std::vector<Column> all = columns();
    return static_cast<int>(std::find(all.begin(), all.end(), column) - all.begin());
}

// In a life table the ages and the derived matrix are read, not typed, and
// N(0) has a cell only for the classes the table makes.
bool PopulationEntry::isEditable(int row, Column column) const
{
    switch (column) {
        case Column::Age:
            return false;
        case Column::Survivorship:
        case Column::Maternity:
            return true;
        case Column::Fecundity:
            return !enteredAsLifeTable();
        case Column::Survival:
            return !enteredAsLifeTable() && row + 1 < table_->rowCount();
        case Column::Initial:
            return !enteredAsLifeTable() || row < population_.matrix.classes();
    }
    return false;
}

// A life table may hold one age more than the classes it makes.
int PopulationEntry::mostRows() const
{
    return enteredAsLifeTable() ? kMaxAgeClasses + 1 : kMaxAgeClasses;
}

int PopulationEntry::leastRows() const
{
    return enteredAsLifeTable() ? 2 : 1;
}

QString PopulationEntry::number(double value) const
{
    return toQString(formatGeneral(value, locale_));
}

QString PopulationEntry::entryOrDerived(double value) const
{
    // A derived entry is read, not typed: six digits fit its column, and its
    // tooltip shows how it comes about.
    return enteredAsLifeTable() ? toQString(formatSignificant(value, 6, locale_)) : number(value);
}

void PopulationEntry::setCell(int row, int column, const QString& text, const QString& toolTip)
{
    QTableWidgetItem* item = table_->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        table_->setItem(row, column, item);
    }
    item->setText(text);
    item->setToolTip(toolTip);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const Column kind = *columnAt(column);
    const bool editable = isEditable(row, kind);
    item->setFlags(editable ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable
                            : Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setBackground(editable ? QBrush() : QBrush(kReadOnlyBackground));
    // Items are reused when the columns change meaning, so each gets its colour afresh.
    item->setForeground(kind == Column::Fecundity ? QBrush(colours::red)
                        : kind == Column::Survival ? QBrush(colours::blue)
                                                   : QBrush());
}

void PopulationEntry::fillTable()
{
    filling_ = true;
    const bool asLifeTable = enteredAsLifeTable();
    const LeslieMatrix& matrix = population_.matrix;
    const int classes = matrix.classes();
    const int rows = asLifeTable ? population_.lifeTable->ages() : classes;
    const std::vector<Column> kinds = columns();

    table_->setColumnCount(static_cast<int>(kinds.size()));
    table_->setRowCount(rows);
    QStringList headers;
    for (Column kind : kinds) {
        switch (kind) {
            case Column::Age: headers << tr("x"); break;
            case Column::Survivorship: headers << tr("l(x)"); break;
            case Column::Maternity: headers << tr("m(x)"); break;
            case Column::Fecundity: headers << (asLifeTable ? tr("F") : tr("F(x)")); break;
            case Column::Survival: headers << (asLifeTable ? tr("P") : tr("P(x)")); break;
            case Column::Initial: headers << tr("N(0)"); break;
        }
    }
    table_->setHorizontalHeaderLabels(headers);
    QStringList rowNames;
    for (int row = 0; row < rows; ++row)
        rowNames << QString::number(row);
    table_->setVerticalHeaderLabels(rowNames);
    table_->verticalHeader()->setVisible(!asLifeTable);

    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < static_cast<int>(kinds.size()); ++column) {
            const bool inMatrix = row < classes;
            switch (kinds[static_cast<std::size_t>(column)]) {
                case Column::Age:
                    setCell(row, column, QString::number(row));
                    break;
                case Column::Survivorship:
                    setCell(row, column, number(population_.lifeTable->survivorship[static_cast<std::size_t>(row)]));
                    break;
                case Column::Maternity:
                    setCell(row, column, number(population_.lifeTable->fecundity[static_cast<std::size_t>(row)]));
                    break;
                case Column::Fecundity:
                    setCell(row, column, inMatrix ? entryOrDerived(matrix.fecundity[static_cast<std::size_t>(row)]) : QString(),
                            asLifeTable && inMatrix ? toQString(fecundityDerivation(*population_.lifeTable,
                                                                                    population_.census, row, locale_))
                                                    : QString());
                    break;
                case Column::Survival: {
                    const bool has = row + 1 < classes;
                    setCell(row, column, has ? entryOrDerived(matrix.survival[static_cast<std::size_t>(row)]) : QString(),
                            asLifeTable && has ? toQString(survivalDerivation(*population_.lifeTable,
                                                                              population_.census, row, locale_))
                                               : QString());
                    break;
                }
                case Column::Initial:
                    setCell(row, column, inMatrix ? number(population_.initial[static_cast<std::size_t>(row)]) : QString());
                    break;
            }
        }
    }
    showMode();
    filling_ = false;
}

void PopulationEntry::showMode()
{
    const bool was = filling_;
    filling_ = true;
    (enteredAsLifeTable() ? lifeTableRadio_ : matrixRadio_)->setChecked(true);
    (population_.census == Census::PostBreeding ? postBreedingRadio_ : preBreedingRadio_)->setChecked(true);
    preBreedingRadio_->setEnabled(enteredAsLifeTable());
    postBreedingRadio_->setEnabled(enteredAsLifeTable());
    filling_ = was;
}

QString PopulationEntry::refusal(int row, int column, const QString& text) const
{
    const std::optional<Column> kind = columnAt(column);
    if (!kind || !isEditable(row, *kind))
        return {};
    // A cell of N(0) left empty in a life table counts no one.
    if (*kind == Column::Initial && enteredAsLifeTable() && text.trimmed().isEmpty())
        return {};
    const Result<double> value = parseNumber(text.toStdString(), locale_);
    if (!value)
        return tr("\"%1\" is not a number: type one such as %2.").arg(text.trimmed(), number(0.5));
    const double v = *value;
    switch (*kind) {
        case Column::Survivorship:
            if (row == 0 && v != 1)
                return tr("l(0) is 1: every newborn is alive at age 0.");
            if (v < 0 || v > 1)
                return tr("l(%1) must lie between 0 and 1: it is the share of newborns alive at age %1.").arg(row);
            return {};
        case Column::Maternity:
            return v < 0 ? tr("m(%1) cannot be negative: it counts young.").arg(row) : QString();
        case Column::Fecundity:
            return v < 0 ? tr("F(%1) cannot be negative: it counts young.").arg(row) : QString();
        case Column::Survival:
            return v < 0 || v > 1 ? tr("P(%1) must lie between 0 and 1: it is the share that survives.").arg(row)
                                  : QString();
        case Column::Initial:
            return v < 0 ? tr("N(0) of class %1 cannot be negative.").arg(row) : QString();
        case Column::Age:
            break;
    }
    return {};
}

std::optional<double> PopulationEntry::readCell(int row, Column column)
{
    const int at = columnOf(column);
    const QTableWidgetItem* item = table_->item(row, at);
    const QString text = item ? item->text() : QString();
    if (const QString why = refusal(row, at, text); !why.isEmpty()) {
        markRefused(row, at, why);
        return std::nullopt;
    }
    if (column == Column::Initial && text.trimmed().isEmpty())
        return 0.0;
    return *parseNumber(text.toStdString(), locale_);
}

void PopulationEntry::markRefused(int row, int column, const QString& reason)
{
    if (QTableWidgetItem* item = table_->item(row, column)) {
        const bool was = filling_;
        filling_ = true;
        item->setBackground(kRefusedBackground);
        filling_ = was;
    }
    // The first refusal is the one the student reads.
    if (!refused_)
        reasonLabel_->setText(reason);
    refused_ = true;
}

void PopulationEntry::clearMarks()
{
    const bool was = filling_;
    filling_ = true;
    for (int row = 0; row < table_->rowCount(); ++row)
        for (int column = 0; column < table_->columnCount(); ++column)
            if (QTableWidgetItem* item = table_->item(row, column))
                item->setBackground(isEditable(row, *columnAt(column)) ? QBrush() : QBrush(kReadOnlyBackground));
    filling_ = was;
    refused_ = false;
    reasonLabel_->clear();
}

std::optional<OwnPopulation> PopulationEntry::readTable()
{
    const int rows = table_->rowCount();
    OwnPopulation read = population_;
    if (!enteredAsLifeTable()) {
        LeslieMatrix matrix;
        std::vector<double> initial;
        for (int row = 0; row < rows; ++row) {
            const std::optional<double> f = readCell(row, Column::Fecundity);
            const std::optional<double> n = readCell(row, Column::Initial);
            std::optional<double> p = 0.0;
            if (row + 1 < rows)
                p = readCell(row, Column::Survival);
            if (!f || !n || !p)
                return std::nullopt;
            matrix.fecundity.push_back(*f);
            if (row + 1 < rows)
                matrix.survival.push_back(*p);
            initial.push_back(*n);
        }
        read.matrix = std::move(matrix);
        read.initial = std::move(initial);
        return read;
    }

    LifeTable table;
    for (int row = 0; row < rows; ++row) {
        const std::optional<double> l = readCell(row, Column::Survivorship);
        const std::optional<double> m = readCell(row, Column::Maternity);
        if (!l || !m)
            return std::nullopt;
        table.survivorship.push_back(*l);
        table.fecundity.push_back(*m);
    }
    const Result<LeslieMatrix> matrix = matrixFromLifeTable(table, population_.census);
    if (!matrix) {
        const QModelIndex current = table_->currentIndex();
        markRefused(current.isValid() ? current.row() : 0,
                    current.isValid() ? current.column() : columnOf(Column::Survivorship),
                    shownError(matrix.error()));
        return std::nullopt;
    }
    // N(0) follows the classes: those the table no longer makes count no one,
    // those it makes anew start empty.
    std::vector<double> initial;
    for (int row = 0; row < matrix->classes(); ++row) {
        const bool hadCell = row < population_.matrix.classes();
        std::optional<double> n = hadCell && row < rows ? readCell(row, Column::Initial) : std::optional<double>(0.0);
        if (!n)
            return std::nullopt;
        initial.push_back(*n);
    }
    read.lifeTable = std::move(table);
    read.matrix = *matrix;
    read.initial = std::move(initial);
    return read;
}

void PopulationEntry::acceptTable()
{
    clearMarks();
    const std::optional<OwnPopulation> read = readTable();
    if (!read)
        return;
    population_ = *read;
    fillTable();
    emit populationChanged();
}

void PopulationEntry::switchEntryMode(bool asLifeTable)
{
    if (asLifeTable == enteredAsLifeTable())
        return;
    auto refuse = [this](const QString& reason) {
        reasonLabel_->setText(reason);
        showMode();
    };
    if (refused_)
        return refuse(tr("Correct the red cell first, or type its old value again."));
    OwnPopulation next = population_;
    if (asLifeTable) {
        // The table is the one the census turns back into this matrix, so
        // switching alone changes nothing the student sees of λ.
        Result<LifeTable> table = lifeTableMakingMatrix(population_.matrix, population_.census);
        if (!table)
            return refuse(tr("This matrix makes no life table: %1").arg(shownError(table.error())));
        next.lifeTable = std::move(table.value());
    } else {
        // The matrix the life table made stays, to be changed entry by entry.
        next.lifeTable.reset();
    }
    population_ = std::move(next);
    reasonLabel_->clear();
    fillTable();
    emit populationChanged();
}

void PopulationEntry::switchCensus(Census census)
{
    if (!enteredAsLifeTable() || census == population_.census)
        return;
    if (refused_) {
        reasonLabel_->setText(tr("Correct the red cell first, or type its old value again."));
        showMode();
        return;
    }
    const Result<LeslieMatrix> matrix = matrixFromLifeTable(*population_.lifeTable, census);
    if (!matrix) {
        reasonLabel_->setText(shownError(matrix.error()));
        showMode();
        return;
    }
    population_.census = census;
    population_.matrix = *matrix;
    population_.initial = resized(population_.initial, matrix->classes());
    reasonLabel_->clear();
    fillTable();
    emit populationChanged();
}

void PopulationEntry::appendBlankRow()
{
    const bool was = filling_;
    filling_ = true;
    const int row = table_->rowCount();
    table_->insertRow(row);
    for (int column = 0; column < table_->columnCount(); ++column) {
        const Column kind = *columnAt(column);
        QString text;
        if (kind == Column::Age)
            text = QString::number(row);
        else if (isEditable(row, kind) && kind != Column::Initial)
            text = number(0);
        else if (kind == Column::Initial && !enteredAsLifeTable())
            text = number(0);
        setCell(row, column, text);
    }
    // The class before gains a survival rate into the new one.
    if (!enteredAsLifeTable() && row > 0)
        setCell(row - 1, columnOf(Column::Survival), number(0));
    filling_ = was;
}

void PopulationEntry::addRow()
{
    if (table_->rowCount() >= mostRows()) {
        reasonLabel_->setText(tr("The table holds at most %1 rows.").arg(mostRows()));
        return;
    }
    appendBlankRow();
    acceptTable();
}

void PopulationEntry::removeRow()
{
    if (table_->rowCount() <= leastRows()) {
        reasonLabel_->setText(tr("The table needs at least %n row(s).", nullptr, leastRows()));
        return;
    }
    const int current = table_->currentRow();
    const int row = current >= 0 ? current : table_->rowCount() - 1;
    filling_ = true;
    table_->removeRow(row);
    const int rows = table_->rowCount();
    for (int below = row; below < rows; ++below)
        if (enteredAsLifeTable())
            setCell(below, columnOf(Column::Age), QString::number(below));
    table_->setVerticalHeaderLabels([rows] {
        QStringList names;
        for (int r = 0; r < rows; ++r)
            names << QString::number(r);
        return names;
    }());
    if (!enteredAsLifeTable())
        setCell(rows - 1, columnOf(Column::Survival), QString());
    filling_ = false;
    acceptTable();
}

void PopulationEntry::paste()
{
    QString text = QGuiApplication::clipboard()->text();
    text.remove(QLatin1Char('\r'));
    QStringList lines = text.split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        return;
    const QModelIndex current = table_->currentIndex();
    const int firstRow = current.isValid() ? current.row() : 0;
    const int firstColumn = current.isValid() ? current.column() : 0;
    const int lastRow = firstRow + static_cast<int>(lines.size()) - 1;
    if (lastRow >= mostRows()) {
        reasonLabel_->setText(tr("The table holds at most %1 rows: nothing was pasted.").arg(mostRows()));
        return;
    }
    while (table_->rowCount() <= lastRow)
        appendBlankRow();
    // Each value lands where it lies in the copied block; one that falls on
    // a cell the student does not type into (an age, a derived entry) is left out.
    filling_ = true;
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList cells = lines[i].split(QLatin1Char('\t'));
        for (int k = 0; k < cells.size(); ++k) {
            const int row = firstRow + i;
            const int column = firstColumn + k;
            const std::optional<Column> kind = columnAt(column);
            // An empty cell of the block leaves the cell under it as it was.
            if (kind && isEditable(row, *kind) && !cells[k].trimmed().isEmpty())
                table_->item(row, column)->setText(cells[k].trimmed());
        }
    }
    filling_ = false;
    acceptTable();
}

}  // namespace dalvo::ui
