// The left panel of the "Own population" window: the population by age, entered as a matrix or a life table and checked as it is typed.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "model/number_text.h"
#include "model/own_population.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTableWidgetItem;

namespace dalvo::ui {

struct ControlSheet;

// How a control follows its panel or window when that is resized from its
// designed size: it keeps its place and size unless told to move or grow by
// as much as the room around it did.
struct Follow {
    bool right = false;
    bool down = false;
    bool wider = false;
    bool taller = false;
};
void placeFollowing(QWidget* control, const QRect& twips, QSize grown, Follow follow);

class PopulationEntry : public QWidget {
    Q_OBJECT
public:
    PopulationEntry(NumberLocale locale, QWidget* parent);

    // Every control of the panel: its names, texts, place and font.
    static const ControlSheet& sheet();

    // Shows `population` afresh, in the way it was entered (a life table or a matrix).
    void showPopulation(const OwnPopulation& population);
    // The last population every entry of which was accepted.
    const OwnPopulation& population() const { return population_; }

signals:
    // An accepted change: population() holds it.
    void populationChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    enum class Column { Age, Survivorship, Maternity, Fecundity, Survival, Initial };

    bool enteredAsLifeTable() const { return population_.lifeTable.has_value(); }
    std::vector<Column> columns() const;
    std::optional<Column> columnAt(int column) const;
    int columnOf(Column column) const;
    bool isEditable(int row, Column column) const;
    int mostRows() const;
    int leastRows() const;

    // Why the typed text of a cell cannot stand, in the student's words; empty
    // when it can. Only the cell itself is looked at; the rules between
    // cells (a life table's) are checked when the edit is committed.
    QString refusal(int row, int column, const QString& text) const;

    void fillTable();
    void setCell(int row, int column, const QString& text, const QString& toolTip = {});
    QString number(double value) const;
    QString entryOrDerived(double value) const;

    // Reads every cell; a population when every entry stands, else the first
    // refused cell is marked with its reason and nothing changes.
    void acceptTable();
    std::optional<OwnPopulation> readTable();
    std::optional<double> readCell(int row, Column column);
    void refuse(int row, Column column, const QString& reason);
    void markRefused(int row, int column, const QString& reason);
    void clearMarks();

    void switchEntryMode(bool asLifeTable);
    void switchCensus(Census census);
    void addRow();
    void removeRow();
    void appendBlankRow();
    void paste();
    void showMode();

    NumberLocale locale_;
    OwnPopulation population_;

    QRadioButton* matrixRadio_ = nullptr;
    QRadioButton* lifeTableRadio_ = nullptr;
    QRadioButton* preBreedingRadio_ = nullptr;
    QRadioButton* postBreedingRadio_ = nullptr;
    QButtonGroup* modeGroup_ = nullptr;
    QButtonGroup* censusGroup_ = nullptr;
    QTableWidget* table_ = nullptr;
    QPushButton* addRowButton_ = nullptr;
    QPushButton* removeRowButton_ = nullptr;
    QLabel* reasonLabel_ = nullptr;
    // Set while the window itself writes the table, so that only the student's edits are checked.
    bool filling_ = false;
    // A cell is marked red: nothing else changes until it is corrected.
    bool refused_ = false;
};

}  // namespace dalvo::ui
