#include "ui/editor/new_run_editor.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>
#include <vector>

#include "ui/common/assets.h"
#include "ui/common/bracket_lines.h"
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

// The motto needs a font with traditional Chinese characters; the Latin
// family behind it keeps the label readable wherever that font is missing.
QFont mottoFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("AR PL UMing TW"), QStringLiteral("Times New Roman")});
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(28.2);
    return font;
}

QFont sansSerifFont(double pointSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    return font;
}

QLineEdit* makeEditableCell(QWidget* parent, int x, int y, int width, const QFont& font)
{
    auto* cell = new QLineEdit(parent);
    cell->setGeometry(twipRect(x, y, width, kCellHeight));
    cell->setFont(font);
    cell->setAlignment(Qt::AlignCenter);
    setBackground(cell, Qt::white);
    // What the student types is fitted as they type it, and read from its
    // start once they move on, so that a long number is seen at its right
    // magnitude before "Go Back" takes it.
    QObject::connect(cell, &QLineEdit::textChanged, cell, [cell] { fitNumberFont(cell); });
    QObject::connect(cell, &QLineEdit::editingFinished, cell, [cell] { cell->setCursorPosition(0); });
    return cell;
}

}  // namespace

NewRunEditor::NewRunEditor(NumberLocale locale, QWidget* parent)
    : SecondaryWindow(parent), locale_(std::move(locale))
{
    setWindowTitle(tr("Change default values"));
    makeFixedSizeWindow(this, 6754, 5478);
    setFont(timesFont(9.6));
    setBackground(this, colours::lightGrey);

    buildMessageRow();
    buildGrid();
    buildButtons();
    nameControls();
    centreOnScreen(this);
}

void NewRunEditor::buildMessageRow()
{
    mottoLabel_ = new QLabel(tr("明辨是非，格物致知。"), this);
    mottoLabel_->setGeometry(twipRect(240, 360, 6372, 612));
    mottoLabel_->setFont(mottoFont());
    mottoLabel_->setAlignment(Qt::AlignCenter);
    setTextColour(mottoLabel_, colours::yellow);
    setBackground(mottoLabel_, colours::green);

    survivalMessage_ = new QLabel(tr("Survival rate must be <=1. Press Try Again to enter new data."), this);
    survivalMessage_->setGeometry(twipRect(720, 360, 3612, 612));
    survivalMessage_->setFont(sansSerifFont(10.8));
    survivalMessage_->setWordWrap(true);
    survivalMessage_->setAlignment(Qt::AlignCenter);
    setTextColour(survivalMessage_, colours::yellow);
    setBackground(survivalMessage_, colours::red);
    survivalMessage_->hide();

    tryAgainButton_ = makeButton(this, tr("Try again"), {}, 4440, 360, 1452, 612);
    tryAgainButton_->setFont(sansSerifFont(7.8));
    tryAgainButton_->hide();
    tryAgainButton_->setEnabled(false);
    connect(tryAgainButton_, &QPushButton::clicked, this, &NewRunEditor::tryAgain);
}

void NewRunEditor::buildGrid()
{
    const EditorTexts design = designTexts(locale_);

    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            const int index = 4 * r + c;
            QLineEdit* cell = nullptr;
            if (isEditableCell(index)) {
                cell = makeEditableCell(this, kColumnX[c], kRowY[r], kCellWidth, timesFont(14.4, true));
                setTextColour(cell, r == 0 ? colours::red : colours::blue);
            } else {
                // Tab passes over these: they only show the zeros of the matrix.
                cell = makeReadOnlyField(this, kColumnX[c], kRowY[r], kCellWidth, kCellHeight, 14.4, false);
                cell->setFont(timesFont(14.4, true));
                setBackground(cell, colours::lightGrey);
            }
            showNumber(cell, toQString(design.m1[index]));
            cell->setAccessibleName(tr("Matrix row %1, column %2").arg(r + 1).arg(c + 1));
            matrixCells_[index] = cell;
        }
    }
    for (int i = 0; i < 4; ++i) {
        initialCells_[i] = makeEditableCell(this, kInitialX, kRowY[i], kInitialWidth, timesFont(14.4));
        showNumber(initialCells_[i], toQString(design.n0[i]));
        initialCells_[i]->setAccessibleName(tr("N(0) of age class %1").arg(i));
    }

    std::vector<Bracket> brackets;
    const int top = kRowY[0] - 120;
    const int bottom = kRowY[3] + kCellHeight + 105;
    for (auto [left, right] : {std::pair{240, kColumnX[3] + kCellWidth + 120},
                               std::pair{kInitialX - 120, kInitialX + kInitialWidth + 120}})
        for (const Bracket& bracket : bracketPair(left, right, 120, top, bottom, 120))
            brackets.push_back(bracket);
    bracketLines_ = new BracketLines(brackets, this);
    bracketLines_->lower();
}

void NewRunEditor::buildButtons()
{
    goBackButton_ = makeButton(this, tr("Go Back"), {}, 1320, 4800, 1815, 495);
    goBackButton_->setCursor(pointingHandCursor());
    connect(goBackButton_, &QPushButton::clicked, this, &NewRunEditor::goBack);

    quitButton_ = makeButton(this, tr("Quit"), {}, 3840, 4800, 1815, 495);
    quitButton_->setCursor(pointingHandCursor());
    connect(quitButton_, &QPushButton::clicked, this, &NewRunEditor::quitRequested);
}

void NewRunEditor::nameControls()
{
    std::vector<ControlName> names = {
        {this, QStringLiteral("dalvo3")},
        {mottoLabel_, QStringLiteral("Label2")},
        {survivalMessage_, QStringLiteral("Label1")},
        {tryAgainButton_, QStringLiteral("Command3")},
        {bracketLines_, QStringLiteral("Line1-Line12")},
        {goBackButton_, QStringLiteral("Command1")},
        {quitButton_, QStringLiteral("Command2")},
    };
    for (int i = 0; i < 16; ++i)
        names.push_back({matrixCells_[i], QStringLiteral("m1(%1)").arg(i)});
    for (int i = 0; i < 4; ++i)
        names.push_back({initialCells_[i], QStringLiteral("n0(%1)").arg(i)});
    ui::nameControls(names);
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
        showSurvivalMessage();
        return;
    }
    const Result<EditorTexts> normalised = normalise(current, locale_);
    if (!normalised) {
        showProblem(this, toQString(normalised.error().message));
        return;
    }
    const EditorTexts& written = normalised.value();
    for (std::size_t i = 0; i < matrixCells_.size(); ++i)
        showNumber(matrixCells_[i], toQString(written.m1[i]));
    for (std::size_t i = 0; i < initialCells_.size(); ++i)
        showNumber(initialCells_[i], toQString(written.n0[i]));
    emit defaultsAccepted(written.m1, written.n0);
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
