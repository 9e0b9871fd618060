// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/main/main_window.h"

#include <QCloseEvent>
#include <QDate>
#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QTimer>
#include <utility>

#include "presentation/main_fields.h"
#include "ui/common/assets.h"
#include "ui/common/bracket_lines.h"
#include "ui/common/clickable_label.h"
#include "ui/common/control_sheet.h"
#include "ui/common/controls.h"
#include "ui/common/messages.h"
#include "ui/common/number_field.h"
#include "ui/common/page_printer.h"
#include "ui/common/prompts.h"
#include "ui/common/secondary_window.h"
#include "ui/common/twips.h"

namespace dalvo::ui {

namespace {

constexpr int kColumnX[] = {240, 960, 1680, 2400};
constexpr int kRowY[] = {600, 1320, 2040, 2760};
constexpr int kCellWidth[] = {615, 735, 735, 615};
constexpr SheetFont kButtonFont{12, true};
constexpr SheetFont kFieldFont{14.4};

// The regional general date-and-time form: short date with the time to the
// second, without the time zone that the long time form adds.
QString generalDateTime(const QDateTime& now)
{
    const QLocale locale = QLocale::system();
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b")));
    return locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(now.time(), timeFormat.trimmed());
}

QString editionNotice(int year)
{
    return MainWindow::tr("Free edition %1 for classes").arg(year);
}

QString guideNotice()
{
    return MainWindow::tr(
        "Red: fecundities\n"
        "Blue: survival rates\n"
        "Project: N(t+1) = M x N(t)\n"
        "Transit: N(t+1) becomes N(t)\n"
        "Graph: from step 4 on");
}

ControlEntry actionButton(const char* role, const char* name, const char* caption, const char* toolTip,
                         QRect twips)
{
    return {.role = role,
            .objectName = name,
            .kind = ControlKind::Button,
            .caption = caption,
            .toolTip = toolTip,
            .twips = twips,
            .font = kButtonFont,
            .parentRole = QStringLiteral("actionFrame")};
}

ControlSheet makeSheet()
{
    ControlSheet sheet{
        .context = "dalvo::ui::MainWindow", .windowName = QStringLiteral("frmForm1"), .twips = {10200, 7452}};
    auto add = [&sheet](ControlEntry declared) { sheet.controls.push_back(std::move(declared)); };

    add({.role = "titleLabel",
         .objectName = "Label4",
         .kind = ControlKind::ClickableLabel,
         .caption = QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Dalvo-Leslie Matrix"),
         .toolTip = QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Introduction"),
         .twips = {120, 120, 5412, 732},
         .font = {24, true}});
    add({.role = "editionLabel",
         .objectName = "Label5",
         .twips = {5640, 120, 3375, 375},
         .font = {12, true}});
    add({.role = "clockLabel",
         .objectName = "Label13",
         .twips = {5640, 480, 3375, 375},
         .font = {14.4, true}});

    add({.role = "matrixFrame",
         .objectName = "Frame1",
         .kind = ControlKind::Frame,
         .caption = QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Matrix projection"),
         .twips = {120, 1080, 8532, 4332},
         .font = {9.6}});
    const QString inFrame = QStringLiteral("matrixFrame");
    for (MatrixCell cell : gridCells())
        add({.role = QStringLiteral("matrixCell%1").arg(cell.index()),
             .objectName = QStringLiteral("m(%1)").arg(cell.index()),
             .kind = ControlKind::ReadOnlyField,
             .twips = {kColumnX[cell.column], kRowY[cell.row], kCellWidth[cell.column], 495},
             .font = {14.4, true},
             .parentRole = inFrame,
             .accessibleName = QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Matrix row %1, column %2"),
             .textArguments = {cell.row + 1, cell.column + 1},
             .tabStop = false});
    for (int i = 0; i < 4; ++i)
        add({.role = QStringLiteral("nowField%1").arg(i),
             .objectName = QStringLiteral("n1(%1)").arg(i),
             .kind = ControlKind::ReadOnlyField,
             .twips = {4080, kRowY[i], 1575, 495},
             .font = kFieldFont,
             .parentRole = inFrame,
             .accessibleName = QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "N(t) of age class %1"),
             .textArguments = {i},
             .tabStop = false});
    add({.role = "equalsSign",
         .objectName = "Label1",
         .caption = QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "="),
         .twips = {5880, 1680, 372, 492},
         .font = {24},
         .parentRole = inFrame});
    for (int i = 0; i < 4; ++i)
        add({.role = QStringLiteral("nextField%1").arg(i),
             .objectName = QStringLiteral("n2(%1)").arg(i),
             .kind = ControlKind::ReadOnlyField,
             .twips = {6480, kRowY[i], 1815, 495},
             .font = kFieldFont,
             .parentRole = inFrame,
             .accessibleName = QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "N(t+1) of age class %1"),
             .textArguments = {i}});
    add({.role = "bracketLines",
         .objectName = "Line1-Line18",
         .kind = ControlKind::Own,
         .parentRole = inFrame});
    add({.role = "projectArrow",
         .objectName = "Project",
         .kind = ControlKind::ClickableLabel,
         .toolTip =
             QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Calculate the age structure for next time interval"),
         .twips = {4320, 3480, 780, 636},
         .parentRole = inFrame});
    add({.role = "transitArrow",
         .objectName = "Transit",
         .kind = ControlKind::ClickableLabel,
         .twips = {6960, 3480, 780, 636},
         .parentRole = inFrame,
         .accessibleName = QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Transit")});
    // Under the matrix, where the frame has room to spare, so no other
    // control moves; Ctrl+L opens the outlook from anywhere in the window.
    add({.role = "outlookButton",
         .objectName = "outlookButton",
         .kind = ControlKind::Button,
         .caption = QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Outlook"),
         .toolTip = QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Long-term outlook (Ctrl+L)"),
         .twips = {1080, 3600, 1095, 495},
         .font = kButtonFont,
         .parentRole = inFrame,
         .shortcut = QKeySequence(Qt::CTRL | Qt::Key_L)});
    // Beside "Outlook", in the same spare room of the frame; Ctrl+O opens a
    // file into the same window.
    add({.role = "ownPopulationButton",
         .objectName = "ownPopulationButton",
         .kind = ControlKind::Button,
         .caption = QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Own population"),
         .toolTip = QT_TRANSLATE_NOOP("dalvo::ui::MainWindow",
                                      "A population of your own: any number of classes, or a life table "
                                      "(Ctrl+O opens a file)"),
         .twips = {2280, 3600, 1935, 495},
         .font = kButtonFont,
         .parentRole = inFrame});

    add({.role = "totalCaption",
         .objectName = "Label2",
         .caption = QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Total ="),
         .twips = {3720, 5760, 972, 372},
         .font = {15.6}});
    add({.role = "nowTotal",
         .objectName = "total1",
         .kind = ControlKind::ReadOnlyField,
         .twips = {4800, 5640, 1815, 495},
         .font = kFieldFont,
         .accessibleName = QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Total of N(t)")});
    add({.role = "nextTotal",
         .objectName = "total2",
         .kind = ControlKind::ReadOnlyField,
         .twips = {6840, 5640, 1815, 495},
         .font = kFieldFont,
         .accessibleName = QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Total of N(t+1)")});
    add({.role = "stepCaption",
         .objectName = "Label9",
         .caption = QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "t ="),
         .twips = {3960, 6360, 732, 372},
         .font = {15.6}});
    add({.role = "nowStep",
         .objectName = "txtSimu0",
         .kind = ControlKind::ReadOnlyField,
         .twips = {4800, 6240, 1815, 495},
         .font = kFieldFont,
         .accessibleName = QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Step t")});
    add({.role = "nextStep",
         .objectName = "txtSimuT",
         .kind = ControlKind::ReadOnlyField,
         .twips = {6840, 6240, 1815, 495},
         .font = kFieldFont,
         .accessibleName = QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Step t+1")});
    add({.role = "growthCaption",
         .objectName = "Label3",
         .caption = QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Growth rate ="),
         // Reaching up to the rate's field gives a longer caption room to its right.
         .twips = {3840, 6960, 1917, 372},
         .font = {15.6}});
    add({.role = "growthRate",
         .objectName = "growrate",
         .kind = ControlKind::ReadOnlyField,
         .twips = {5760, 6840, 2895, 495},
         .font = kFieldFont,
         .accessibleName = QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Growth rate")});
    add({.role = "guideLabel",
         .objectName = "Label14",
         .twips = {120, 5520, 3492, 1812},
         .font = {12, true}});

    add({.role = "actionFrame",
         .objectName = "Frame2",
         .kind = ControlKind::Frame,
         .caption = QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Action"),
         .twips = {8760, 1080, 1335, 6255},
         .font = {9.6}});
    add(actionButton("projectButton", "Command1", QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Project"),
                     QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Projection"), {120, 240, 1095, 495}));
    add(actionButton("transitButton", "Command2", QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Transit"),
                     QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Transition"), {120, 840, 1095, 495}));
    add(actionButton("howToButton", "Command6", QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "How To"),
                     QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "How to"), {120, 1440, 1095, 495}));
    add(actionButton("introButton", "Command8", QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Intro"),
                     QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Introduction"), {120, 2040, 1095, 495}));
    add(actionButton("printButton", "Command7", QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "P"),
                     QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Print this page"), {120, 2640, 495, 495}));
    add(actionButton("saveButton", "Command9", QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "S"),
                     QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Save graphic data"), {720, 2640, 495, 495}));
    add(actionButton("graphButton", "Command4", QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Graph"),
                     QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Show graph"), {120, 3240, 1095, 495}));
    add(actionButton(
        "editorButton", "Command5", QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Change default values"),
        QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Modify default data"), {120, 3840, 1095, 975}));
    add(actionButton("detailButton", "Command11", QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Detail"),
                     QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Show detail data"), {120, 4920, 1095, 495}));
    add(actionButton("quizButton", "Command10", nullptr, QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Quiz"),
                     {120, 5520, 615, 615}));
    add(actionButton("quitButton", "Command3", QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Q"),
                     QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Quit this program"), {840, 5520, 375, 615}));
    add({.role = "batchButton",
         .objectName = "Command12",
         .kind = ControlKind::Button,
         .twips = {9120, 240, 615, 615},
         .font = kButtonFont,
         .accessibleName = QT_TRANSLATE_NOOP("dalvo::ui::MainWindow", "Batch projection from a data file")});
    return sheet;
}

std::vector<Bracket> matrixBrackets()
{
    std::vector<Bracket> brackets;
    for (auto [left, right] : {std::pair{120, 3240}, std::pair{3960, 5760}, std::pair{6360, 8400}})
        for (const Bracket& bracket : bracketPair(left, right, 120, 480, 3360, 120))
            brackets.push_back(bracket);
    return brackets;
}

}  // namespace

const ControlSheet& MainWindow::sheet()
{
    static const ControlSheet sheet = makeSheet();
    return sheet;
}

MainWindow::MainWindow(StepwiseRun& run, Prompts& prompts, QWidget* parent)
    : QWidget(parent), run_(run), locale_(numberLocaleOfSystem())
{
    setWindowTitle(tr("Dalvo-Leslie Matrix"));
    setWindowIcon(applicationIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(twipSize(sheet().twips.width(), sheet().twips.height()));
    setFont(timesFont(9.6));
    setBackground(this, Qt::white);

    printer_ = new PagePrinter(prompts, this);

    const ControlSet controls =
        buildControls(this, sheet(), {{QStringLiteral("bracketLines"), [](QWidget* frame) {
                                           return new BracketLines(matrixBrackets(), frame);
                                       }}});
    buildTitleBand(controls);
    buildMatrixFrame(controls);
    buildResultRows(controls);
    buildActionFrame(controls);

    mirrorRun();
    watch_ = run_.subscribe([this](const StepwiseRun&) { mirrorRun(); });
}

void MainWindow::buildTitleBand(const ControlSet& controls)
{
    titleLabel_ = controls.get<ClickableLabel>(QStringLiteral("titleLabel"));
    titleLabel_->setAlignment(Qt::AlignCenter);
    setTextColour(titleLabel_, colours::yellow);
    setBackground(titleLabel_, colours::blue);
    giveSingleBorder(titleLabel_);
    titleLabel_->setCursor(pointingHandCursor());
    connect(titleLabel_, &ClickableLabel::clicked, this, &MainWindow::introductionRequested);

    editionLabel_ = controls.get<QLabel>(QStringLiteral("editionLabel"));
    setBackground(editionLabel_, Qt::white);

    clockLabel_ = controls.get<QLabel>(QStringLiteral("clockLabel"));
    clockLabel_->setAlignment(Qt::AlignCenter);
    setBackground(clockLabel_, colours::yellow);
    giveSingleBorder(clockLabel_);

    // The clock keeps ticking while the window is hidden.
    clockTimer_ = new QTimer(this);
    clockTimer_->setObjectName(QStringLiteral("Timer1"));
    clockTimer_->setInterval(500);
    connect(clockTimer_, &QTimer::timeout, this, &MainWindow::tickClock);
    clockTimer_->start();
}

void MainWindow::buildMatrixFrame(const ControlSet& controls)
{
    matrixFrame_ = controls.get<QGroupBox>(QStringLiteral("matrixFrame"));
    setBackground(matrixFrame_, Qt::white);

    for (MatrixCell cell : gridCells()) {
        QLineEdit* field = controls.get<QLineEdit>(QStringLiteral("matrixCell%1").arg(cell.index()));
        if (cell.isFecundity())
            setTextColour(field, colours::red);
        else if (cell.isSurvival())
            setTextColour(field, colours::blue);
        matrixCells_[static_cast<std::size_t>(cell.index())] = field;
    }
    for (int i = 0; i < 4; ++i) {
        nowFields_[i] = controls.get<QLineEdit>(QStringLiteral("nowField%1").arg(i));
        nextFields_[i] = controls.get<QLineEdit>(QStringLiteral("nextField%1").arg(i));
        setTextColour(nextFields_[i], colours::navy);
    }

    equalsSign_ = controls.get<QLabel>(QStringLiteral("equalsSign"));
    equalsSign_->setAlignment(Qt::AlignCenter);

    bracketLines_ = controls[QStringLiteral("bracketLines")];
    bracketLines_->lower();

    projectArrow_ = controls.get<ClickableLabel>(QStringLiteral("projectArrow"));
    projectArrow_->setPixmap(assetPixmap(QStringLiteral("project_arrow.png")));
    transitArrow_ = controls.get<ClickableLabel>(QStringLiteral("transitArrow"));
    transitArrow_->setPixmap(assetPixmap(QStringLiteral("transit_arrow.png")));
    for (ClickableLabel* arrow : {projectArrow_, transitArrow_}) {
        arrow->setAlignment(Qt::AlignCenter);
        arrow->setCursor(pointingHandCursor());
    }
    connect(projectArrow_, &ClickableLabel::clicked, this, &MainWindow::project);
    connect(transitArrow_, &ClickableLabel::clicked, this, &MainWindow::transit);

    outlookButton_ = controls.get<QPushButton>(QStringLiteral("outlookButton"));
    outlookButton_->setCursor(pointingHandCursor());
    connect(outlookButton_, &QPushButton::clicked, this, &MainWindow::outlookRequested);

    ownPopulationButton_ = controls.get<QPushButton>(QStringLiteral("ownPopulationButton"));
    ownPopulationButton_->setCursor(pointingHandCursor());
    connect(ownPopulationButton_, &QPushButton::clicked, this, &MainWindow::ownPopulationRequested);
    auto* openFile = new QShortcut(QKeySequence::Open, this);
    connect(openFile, &QShortcut::activated, this, &MainWindow::ownPopulationFileRequested);
}

void MainWindow::buildResultRows(const ControlSet& controls)
{
    totalCaption_ = controls.get<QLabel>(QStringLiteral("totalCaption"));
    totalCaption_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    nowTotal_ = controls.get<QLineEdit>(QStringLiteral("nowTotal"));
    setTextColour(nowTotal_, colours::red);
    nextTotal_ = controls.get<QLineEdit>(QStringLiteral("nextTotal"));
    setTextColour(nextTotal_, colours::red);

    stepCaption_ = controls.get<QLabel>(QStringLiteral("stepCaption"));
    stepCaption_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    nowStep_ = controls.get<QLineEdit>(QStringLiteral("nowStep"));
    nextStep_ = controls.get<QLineEdit>(QStringLiteral("nextStep"));

    growthCaption_ = controls.get<QLabel>(QStringLiteral("growthCaption"));
    growthRate_ = controls.get<QLineEdit>(QStringLiteral("growthRate"));
    setTextColour(growthRate_, colours::red);

    guideLabel_ = controls.get<QLabel>(QStringLiteral("guideLabel"));
    guideLabel_->setWordWrap(true);
    guideLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    guideLabel_->setIndent(twips(60));
    setTextColour(guideLabel_, colours::yellow);
    setBackground(guideLabel_, colours::darkRed);
    giveSingleBorder(guideLabel_);
}

void MainWindow::buildActionFrame(const ControlSet& controls)
{
    actionFrame_ = controls.get<QGroupBox>(QStringLiteral("actionFrame"));
    setBackground(actionFrame_, Qt::white);

    auto button = [&controls](const char* role) {
        return controls.get<QPushButton>(QString::fromLatin1(role));
    };
    projectButton_ = button("projectButton");
    transitButton_ = button("transitButton");
    howToButton_ = button("howToButton");
    introButton_ = button("introButton");
    printButton_ = button("printButton");
    saveButton_ = button("saveButton");
    graphButton_ = button("graphButton");
    editorButton_ = button("editorButton");
    detailButton_ = button("detailButton");
    quizButton_ = button("quizButton");
    quitButton_ = button("quitButton");
    batchButton_ = button("batchButton");

    quizButton_->setIcon(QIcon(assetPixmap(QStringLiteral("quiz.png"))));
    batchButton_->setIcon(QIcon(assetPixmap(QStringLiteral("light_bulb.png"))));
    for (const char* role : {"quizButton", "batchButton"}) {
        const QRect place = sheet()[QString::fromLatin1(role)].twips;
        button(role)->setIconSize(twipSize(place.width(), place.height()) - QSize(8, 8));
    }

    for (QPushButton* withHand : {projectButton_, transitButton_, quitButton_, graphButton_, editorButton_,
                                  howToButton_, printButton_, introButton_})
        withHand->setCursor(pointingHandCursor());

    connect(projectButton_, &QPushButton::clicked, this, &MainWindow::project);
    connect(transitButton_, &QPushButton::clicked, this, &MainWindow::transit);
    connect(howToButton_, &QPushButton::clicked, this, &MainWindow::howToRequested);
    connect(introButton_, &QPushButton::clicked, this, &MainWindow::introductionRequested);
    connect(printButton_, &QPushButton::clicked, this, [this] { printer_->printWindow(this); });
    connect(saveButton_, &QPushButton::clicked, this, &MainWindow::saveRequested);
    connect(graphButton_, &QPushButton::clicked, this, &MainWindow::graphRequested);
    connect(editorButton_, &QPushButton::clicked, this, &MainWindow::editorRequested);
    connect(detailButton_, &QPushButton::clicked, this, &MainWindow::detailRequested);
    connect(quizButton_, &QPushButton::clicked, this, &MainWindow::quizRequested);
    connect(quitButton_, &QPushButton::clicked, this, &MainWindow::quitRequested);
    connect(batchButton_, &QPushButton::clicked, this, &MainWindow::batchRequested);
}

void MainWindow::load()
{
    const Result<void> loaded = run_.load();
    guideLabel_->setText(guideNotice());
    editionLabel_->setText(editionNotice(QDate::currentDate().year()));
    tickClock();
    centreOnScreen(this);
    projectButton_->setFocus();
    if (!loaded)
        showProblem(this, shownError(loaded.error()));
}

void MainWindow::project()
{
    const Result<void> done = run_.project();
    if (!done) {
        showProblem(this, shownError(done.error()));
        return;
    }
    transitButton_->setFocus();
}

void MainWindow::transit()
{
    run_.transit();
    projectButton_->setFocus();
}

void MainWindow::startNewRun(const LeslieMatrix& matrix, const std::vector<double>& initial)
{
    const Result<void> started = run_.startNewRun(matrix, initial);
    if (!started) {
        showProblem(this, shownError(started.error()));
        return;
    }
    projectButton_->setFocus();
}

// Copies the run's texts and control states into the widgets; the widgets
// hold no state of their own.
void MainWindow::mirrorRun()
{
    const MainFields fields = shownFields(run_, locale_);
    for (MatrixCell cell : gridCells())
        showNumber(matrixCells_[static_cast<std::size_t>(cell.index())], toQString(fields.cell(cell)));
    for (int i = 0; i < kAgeClasses; ++i) {
        showNumber(nowFields_[i], toQString(fields.now[i]));
        showNumber(nextFields_[i], toQString(fields.next[i]));
    }
    showNumber(nowTotal_, toQString(fields.nowTotal));
    showNumber(nextTotal_, toQString(fields.nextTotal));
    showNumber(growthRate_, toQString(fields.growthRate));
    showNumber(nowStep_, toQString(fields.nowStep));
    showNumber(nextStep_, toQString(fields.nextStep));

    const bool readyToProject = run_.actionState() == ActionState::ReadyToProject;
    projectButton_->setEnabled(readyToProject);
    transitButton_->setEnabled(!readyToProject);
    projectArrow_->setVisible(readyToProject);
    projectArrow_->setEnabled(readyToProject);
    transitArrow_->setVisible(!readyToProject);
    transitArrow_->setEnabled(!readyToProject);
    graphButton_->setEnabled(run_.graphEnabled());
}

void MainWindow::tickClock()
{
    clockLabel_->setText(generalDateTime(QDateTime::currentDateTime()));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit programEndRequested();
}

}  // namespace dalvo::ui
