// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/editor/new_run_editor.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>
#include <vector>

#include "model/lenient_read.h"
#include "model/matrix_grid.h"
#include "ui/common/assets.h"
#include "ui/common/bracket_lines.h"
#include "ui/common/control_sheet.h"
#include "ui/common/controls.h"
#include "ui/common/messages.h"
#include "ui/common/number_field.h"
#include "ui/common/twips.h"

namespace dalvo::ui {

namespace {

constexpr int kColumnX[] = {360, 1440, 2520, 3600};
constexpr int kCellWidth = 975;
constexpr int kRowY[] = {1440, 2160, 2880, 3600};
constexpr int kCellHeight = 495;
constexpr int kInitialX = 5160;
constexpr int kInitialWidth = 1335;

ControlSheet makeSheet()
{
    ControlSheet sheet{
        .context = "dalvo::ui::NewRunEditor", .windowName = QStringLiteral("dalvo3"), .twips = {6754, 5478}};
    auto add = [&sheet](ControlEntry declared) { sheet.controls.push_back(std::move(declared)); };

    // The motto needs a font with traditional Chinese characters.
    add({.role = "motto",
         .objectName = "Label2",
         .caption = QT_TRANSLATE_NOOP("dalvo::ui::NewRunEditor", "明辨是非，格物致知。"),
         .twips = {240, 360, 6372, 612},
         .font = {.pointSize = 28.2, .face = Face::Chinese}});
    add({.role = "survivalMessage",
         .objectName = "Label1",
         .caption = QT_TRANSLATE_NOOP("dalvo::ui::NewRunEditor",
                                      "Survival rate must be <=1. Press Try Again to enter new data."),
         .twips = {720, 360, 3612, 612},
         .font = {.pointSize = 10.8, .face = Face::SansSerif},
         .takesTurnsWith = {QStringLiteral("motto")}});
    add({.role = "tryAgainButton",
         .objectName = "Command3",
         .kind = ControlKind::Button,
         .caption = QT_TRANSLATE_NOOP("dalvo::ui::NewRunEditor", "Try again"),
         .twips = {4440, 360, 1452, 612},
         .font = {.pointSize = 7.8, .face = Face::SansSerif},
         .takesTurnsWith = {QStringLiteral("motto")}});

    // Only the fecundities and survival rates are typed; Tab passes over the
    // zeros of the matrix.
    for (MatrixCell cell : gridCells()) {
        const bool editable = isEditableCell(cell.index());
        add({.role = QStringLiteral("matrixCell%1").arg(cell.index()),
             .objectName = QStringLiteral("m1(%1)").arg(cell.index()),
             .kind = editable ? ControlKind::EditableField : ControlKind::ReadOnlyField,
             .twips = {kColumnX[cell.column], kRowY[cell.row], kCellWidth, kCellHeight},
             .font = {14.4, true},
             .accessibleName = QT_TRANSLATE_NOOP("dalvo::ui::NewRunEditor", "Matrix row %1, column %2"),
             .textArguments = {cell.row + 1, cell.column + 1},
             .tabStop = editable});
    }
    for (int i = 0; i < 4; ++i)
        add({.role = QStringLiteral("initialCell%1").arg(i),
             .objectName = QStringLiteral("n0(%1)").arg(i),
             .kind = ControlKind::EditableField,
             .twips = {kInitialX, kRowY[i], kInitialWidth, kCellHeight},
             .font = {14.4},
             .accessibleName = QT_TRANSLATE_NOOP("dalvo::ui::NewRunEditor", "N(0) of age class %1"),
             .textArguments = {i}});
    add({.role = "bracketLines", .objectName = "Line1-Line12", .kind = ControlKind::Own});

    add({.role = "goBackButton",
         .objectName = "Command1",
         .kind = ControlKind::Button,
         .caption = QT_TRANSLATE_NOOP("dalvo::ui::NewRunEditor", "Go Back"),
         .twips = {1320, 4800, 1815, 495},
         .font = {12, true}});
    add({.role = "quitButton",
         .objectName = "Command2",
         .kind = ControlKind::Button,
         .caption = QT_TRANSLATE_NOOP("dalvo::ui::NewRunEditor", "Quit"),
         .twips = {3840, 4800, 1815, 495},
         .font = {12, true}});
    return sheet;
}

std::vector<Bracket> gridBrackets()
{
    std::vector<Bracket> brackets;
    const int top = kRowY[0] - 120;
    const int bottom = kRowY[3] + kCellHeight + 105;
    for (auto [left, right] : {std::pair{240, kColumnX[3] + kCellWidth + 120},
                               std::pair{kInitialX - 120, kInitialX + kInitialWidth + 120}})
        for (const Bracket& bracket : bracketPair(left, right, 120, top, bottom, 120))
            brackets.push_back(bracket);
    return brackets;
}

// What the student types is fitted as they type it, and read from its start
// once they move on, so that a long number is seen at its right magnitude
// before "Go Back" takes it.
void fitWhileTyping(QLineEdit* cell)
{
    QObject::connect(cell, &QLineEdit::textChanged, cell, [cell] { fitNumberFont(cell); });
    QObject::connect(cell, &QLineEdit::editingFinished, cell, [cell] { cell->setCursorPosition(0); });
}

QString survivalRefusal()
{
    return NewRunEditor::tr("Survival rate must be <=1. Press Try Again to enter new data.");
}

// A negative number of young cannot be projected, so it is refused like a
// survival rate above 1; unreadable texts pass, as they count 0.
bool hasNegativeFecundity(const std::array<std::string, 16>& m1, const NumberLocale& locale)
{
    for (int cell = 0; cell < 4; ++cell) {
        if (readLeniently(m1[cell], locale) < 0)
            return true;
    }
    return false;
}

}  // namespace

const ControlSheet& NewRunEditor::sheet()
{
    static const ControlSheet sheet = makeSheet();
    return sheet;
}

NewRunEditor::NewRunEditor(NumberLocale locale, QWidget* parent)
    : SecondaryWindow(parent), locale_(std::move(locale))
{
    setWindowTitle(tr("Change default values"));
    makeFixedSizeWindow(this, sheet().twips.width(), sheet().twips.height());
    setFont(timesFont(9.6));
    setBackground(this, colours::lightGrey);

    const ControlSet controls =
        buildControls(this, sheet(), {{QStringLiteral("bracketLines"), [](QWidget* window) {
                                           return new BracketLines(gridBrackets(), window);
                                       }}});
    buildMessageRow(controls);
    buildGrid(controls);
    buildButtons(controls);
    centreOnScreen(this);
}

void NewRunEditor::buildMessageRow(const ControlSet& controls)
{
    mottoLabel_ = controls.get<QLabel>(QStringLiteral("motto"));
    mottoLabel_->setAlignment(Qt::AlignCenter);
    setTextColour(mottoLabel_, colours::yellow);
    setBackground(mottoLabel_, colours::green);

    survivalMessage_ = controls.get<QLabel>(QStringLiteral("survivalMessage"));
    survivalMessage_->setWordWrap(true);
    survivalMessage_->setAlignment(Qt::AlignCenter);
    setTextColour(survivalMessage_, colours::yellow);
    setBackground(survivalMessage_, colours::red);
    survivalMessage_->hide();

    tryAgainButton_ = controls.get<QPushButton>(QStringLiteral("tryAgainButton"));
    tryAgainButton_->hide();
    tryAgainButton_->setEnabled(false);
    connect(tryAgainButton_, &QPushButton::clicked, this, &NewRunEditor::tryAgain);
}

void NewRunEditor::buildGrid(const ControlSet& controls)
{
    const EditorTexts design = designTexts(locale_);
    for (MatrixCell place : gridCells()) {
        const int index = place.index();
        QLineEdit* cell = controls.get<QLineEdit>(QStringLiteral("matrixCell%1").arg(index));
        if (isEditableCell(index)) {
            setTextColour(cell, place.isFecundity() ? colours::red : colours::blue);
            fitWhileTyping(cell);
        } else {
            setBackground(cell, colours::lightGrey);
        }
        showNumber(cell, toQString(design.m1[index]));
        matrixCells_[index] = cell;
    }
    for (int i = 0; i < 4; ++i) {
        initialCells_[i] = controls.get<QLineEdit>(QStringLiteral("initialCell%1").arg(i));
        fitWhileTyping(initialCells_[i]);
        showNumber(initialCells_[i], toQString(design.n0[i]));
    }
    bracketLines_ = controls[QStringLiteral("bracketLines")];
    bracketLines_->lower();
}

void NewRunEditor::buildButtons(const ControlSet& controls)
{
    goBackButton_ = controls.get<QPushButton>(QStringLiteral("goBackButton"));
    goBackButton_->setCursor(pointingHandCursor());
    connect(goBackButton_, &QPushButton::clicked, this, &NewRunEditor::goBack);

    quitButton_ = controls.get<QPushButton>(QStringLiteral("quitButton"));
    quitButton_->setCursor(pointingHandCursor());
    connect(quitButton_, &QPushButton::clicked, this, &NewRunEditor::quitRequested);
}

void NewRunEditor::showRun(const LeslieMatrix& matrix, const std::vector<double>& initial)
{
    if (matrix.classes() != static_cast<int>(initialCells_.size()) || initial.size() != initialCells_.size())
        return;
    for (std::size_t j = 0; j < initialCells_.size(); ++j) {
        showNumber(matrixCells_[j], toQString(formatGeneral(matrix.fecundity[j], locale_)));
        showNumber(initialCells_[j], toQString(formatGeneral(initial[j], locale_)));
    }
    for (std::size_t j = 0; j < kSurvivalCells.size(); ++j)
        showNumber(matrixCells_[static_cast<std::size_t>(kSurvivalCells[j])],
                   toQString(formatGeneral(matrix.survival[j], locale_)));
}

EditorTexts NewRunEditor::texts() const
{
    EditorTexts current;
    for (std::size_t i = 0; i < matrixCells_.size(); ++i)
        current.m1[i] = matrixCells_[i]->text().toStdString();
    for (std::size_t i = 0; i < initialCells_.size(); ++i)
        current.n0[i] = initialCells_[i]->text().toStdString();
    return current;
}

// A refused survival rate or an unusable number leaves every text as typed,
// so that the student sees what to correct.
void NewRunEditor::goBack()
{
    const EditorTexts current = texts();
    if (firstRefusedSurvivalRate(current.m1, locale_)) {
        survivalMessage_->setText(survivalRefusal());
        showSurvivalMessage();
        return;
    }
    if (hasNegativeFecundity(current.m1, locale_)) {
        survivalMessage_->setText(tr("Fecundity must be >=0. Press Try Again to enter new data."));
        showSurvivalMessage();
        return;
    }
    const Result<EditorTexts> normalised = normalise(current, locale_);
    if (!normalised) {
        showProblem(this, shownError(normalised.error()));
        return;
    }
    const EditorTexts& written = normalised.value();
    for (std::size_t i = 0; i < matrixCells_.size(); ++i)
        showNumber(matrixCells_[i], toQString(written.m1[i]));
    for (std::size_t i = 0; i < initialCells_.size(); ++i)
        showNumber(initialCells_[i], toQString(written.n0[i]));
    const Result<NewRun> run = newRunFrom(written, locale_);
    if (!run) {
        showProblem(this, shownError(run.error()));
        return;
    }
    emit defaultsAccepted(*run);
}

// The message stays until "Try again", even across a later successful
// "Go Back" and the next visit.
void NewRunEditor::showSurvivalMessage()
{
    mottoLabel_->hide();
    survivalMessage_->show();
    tryAgainButton_->show();
    tryAgainButton_->setEnabled(true);
    tryAgainButton_->setFocus();
}

void NewRunEditor::tryAgain()
{
    survivalMessage_->hide();
    tryAgainButton_->setEnabled(false);
    tryAgainButton_->hide();
    mottoLabel_->show();
}

}  // namespace dalvo::ui
