#include "ui/editor/default_editor.h"

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
#include "ui/common/screen_place.h"
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

QLineEdit* makeEditableCell(QWidget* parent, const QString& name, int x, int y, int width, const QFont& font)
{
    auto* cell = new QLineEdit(parent);
    cell->setObjectName(name);
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

DefaultEditor::DefaultEditor(NumberLocale locale, QWidget* parent)
    : SecondaryWindow(parent), locale_(std::move(locale))
{
    setObjectName(QStringLiteral("dalvo3"));
    setWindowTitle(QStringLiteral("Change default values"));
    makeFixedSizeWindow(this, 6754, 5478);
    setFont(timesFont(9.6));
    setBackground(this, colours::lightGrey);

    buildMessageRow();
    buildGrid();
    buildButtons();
    centreOnScreen(this);
}

void DefaultEditor::buildMessageRow()
{
    Label2 = new QLabel(QStringLiteral("明辨是非，格物致知。"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(twipRect(240, 360, 6372, 612));
    Label2->setFont(mottoFont());
    Label2->setAlignment(Qt::AlignCenter);
    setTextColour(Label2, colours::yellow);
    setBackground(Label2, colours::green);

    Label1 =
        new QLabel(QStringLiteral("Survival rate must be <=1. Press Try Again to enter new data."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipRect(720, 360, 3612, 612));
    Label1->setFont(sansSerifFont(10.8));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignCenter);
    setTextColour(Label1, colours::yellow);
    setBackground(Label1, colours::red);
    Label1->hide();

    Command3 =
        makeButton(this, QStringLiteral("Command3"), QStringLiteral("Try again"), {}, 4440, 360, 1452, 612);
    Command3->setFont(sansSerifFont(7.8));
    Command3->hide();
    Command3->setEnabled(false);
    connect(Command3, &QPushButton::clicked, this, &DefaultEditor::tryAgain);
}

void DefaultEditor::buildGrid()
{
    const EditorTexts design = designTexts(locale_);

    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            const int index = 4 * r + c;
            const QString name = QStringLiteral("m1(%1)").arg(index);
            QLineEdit* cell = nullptr;
            if (isEditableCell(index)) {
                cell = makeEditableCell(this, name, kColumnX[c], kRowY[r], kCellWidth, timesFont(14.4, true));
                setTextColour(cell, r == 0 ? colours::red : colours::blue);
            } else {
                // Tab passes over these: they only show the zeros of the matrix.
                cell = makeReadOnlyField(this, name, kColumnX[c], kRowY[r], kCellWidth, kCellHeight, 14.4,
                                         false);
                cell->setFont(timesFont(14.4, true));
                setBackground(cell, colours::lightGrey);
            }
            showNumber(cell, toQString(design.m1[index]));
            cell->setAccessibleName(QStringLiteral("Matrix row %1, column %2").arg(r + 1).arg(c + 1));
            m1[index] = cell;
        }
    }
    for (int i = 0; i < 4; ++i) {
        n0[i] = makeEditableCell(this, QStringLiteral("n0(%1)").arg(i), kInitialX, kRowY[i], kInitialWidth,
                                 timesFont(14.4));
        showNumber(n0[i], toQString(design.n0[i]));
        n0[i]->setAccessibleName(QStringLiteral("N(0) of age class %1").arg(i));
    }

    std::vector<Bracket> brackets;
    const int top = kRowY[0] - 120;
    const int bottom = kRowY[3] + kCellHeight + 105;
    for (auto [left, right] : {std::pair{240, kColumnX[3] + kCellWidth + 120},
                               std::pair{kInitialX - 120, kInitialX + kInitialWidth + 120}})
        for (const Bracket& bracket : bracketPair(left, right, 120, top, bottom, 120))
            brackets.push_back(bracket);
    auto* lines = new BracketLines(brackets, this);
    lines->setObjectName(QStringLiteral("Line1-Line12"));
    lines->lower();
}

void DefaultEditor::buildButtons()
{
    Command1 =
        makeButton(this, QStringLiteral("Command1"), QStringLiteral("Go Back"), {}, 1320, 4800, 1815, 495);
    Command1->setCursor(pointingHandCursor());
    connect(Command1, &QPushButton::clicked, this, &DefaultEditor::goBack);

    Command2 =
        makeButton(this, QStringLiteral("Command2"), QStringLiteral("Quit"), {}, 3840, 4800, 1815, 495);
    Command2->setCursor(pointingHandCursor());
    connect(Command2, &QPushButton::clicked, this, &DefaultEditor::quitRequested);
}

EditorTexts DefaultEditor::texts() const
{
    EditorTexts current;
    for (std::size_t i = 0; i < m1.size(); ++i)
        current.m1[i] = m1[i]->text().toStdString();
    for (std::size_t i = 0; i < n0.size(); ++i)
        current.n0[i] = n0[i]->text().toStdString();
    return current;
}

// A refused survival rate or an unusable number leaves every text as typed,
// so that the student sees what to correct.
void DefaultEditor::goBack()
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
    for (std::size_t i = 0; i < m1.size(); ++i)
        showNumber(m1[i], toQString(written.m1[i]));
    for (std::size_t i = 0; i < n0.size(); ++i)
        showNumber(n0[i], toQString(written.n0[i]));
    emit defaultsAccepted(written.m1, written.n0);
}

// The message stays until "Try again", even across a later successful
// "Go Back" and the next visit.
void DefaultEditor::showSurvivalMessage()
{
    Label2->hide();
    Label1->show();
    Command3->show();
    Command3->setEnabled(true);
    Command3->setFocus();
}

void DefaultEditor::tryAgain()
{
    Label1->hide();
    Command3->setEnabled(false);
    Command3->hide();
    Label2->show();
}

}  // namespace dalvo::ui
