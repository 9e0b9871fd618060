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

#include "presentation/main_fields.h"
#include "ui/common/assets.h"
#include "ui/common/bracket_lines.h"
#include "ui/common/clickable_label.h"
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

}  // namespace

MainWindow::MainWindow(StepwiseRun& run, Prompts& prompts, QWidget* parent)
    : QWidget(parent), run_(run), locale_(numberLocaleOfSystem())
{
    setWindowTitle(tr("Dalvo-Leslie Matrix"));
    setWindowIcon(applicationIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(twipSize(10200, 7452));
    setFont(timesFont(9.6));
    setBackground(this, Qt::white);

    printer_ = new PagePrinter(prompts, this);

    buildTitleBand();
    buildMatrixFrame();
    buildOutlookButton();
    buildResultRows();
    buildActionFrame();
    buildBatchButton();
    nameControls();

    mirrorRun();
    watch_ = run_.subscribe([this](const StepwiseRun&) { mirrorRun(); });
}

void MainWindow::buildTitleBand()
{
    titleLabel_ = new ClickableLabel(this);
    titleLabel_->setText(tr("Dalvo-Leslie Matrix"));
    titleLabel_->setGeometry(twipRect(120, 120, 5412, 732));
    titleLabel_->setFont(timesFont(24, true));
    titleLabel_->setAlignment(Qt::AlignCenter);
    setTextColour(titleLabel_, colours::yellow);
    setBackground(titleLabel_, colours::blue);
    giveSingleBorder(titleLabel_);
    titleLabel_->setToolTip(tr("Introduction"));
    titleLabel_->setCursor(pointingHandCursor());
    connect(titleLabel_, &ClickableLabel::clicked, this, &MainWindow::introductionRequested);

    editionLabel_ = makeLabel(this, {}, 5640, 120, 3375, 375, 12);
    editionLabel_->setFont(timesFont(12, true));
    setBackground(editionLabel_, Qt::white);

    clockLabel_ = makeLabel(this, {}, 5640, 480, 3375, 375, 14.4);
    clockLabel_->setFont(timesFont(14.4, true));
    clockLabel_->setAlignment(Qt::AlignCenter);
    setBackground(clockLabel_, colours::yellow);
    giveSingleBorder(clockLabel_);

    // The clock keeps ticking while the window is hidden.
    clockTimer_ = new QTimer(this);
    clockTimer_->setInterval(500);
    connect(clockTimer_, &QTimer::timeout, this, &MainWindow::tickClock);
    clockTimer_->start();
}

void MainWindow::buildMatrixFrame()
{
    matrixFrame_ = new QGroupBox(tr("Matrix projection"), this);
    matrixFrame_->setGeometry(twipRect(120, 1080, 8532, 4332));
    matrixFrame_->setFont(timesFont(9.6));
    setBackground(matrixFrame_, Qt::white);

    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            QLineEdit* cell =
                makeReadOnlyField(matrixFrame_, kColumnX[c], kRowY[r], kCellWidth[c], 495, 14.4, false);
            cell->setFont(timesFont(14.4, true));
            if (r == 0)
                setTextColour(cell, colours::red);
            else if (c == r - 1)
                setTextColour(cell, colours::blue);
            cell->setAccessibleName(tr("Matrix row %1, column %2").arg(r + 1).arg(c + 1));
            matrixCells_[static_cast<std::size_t>(MatrixCell{r, c}.index())] = cell;
        }
    }
    for (int i = 0; i < 4; ++i) {
        nowFields_[i] = makeReadOnlyField(matrixFrame_, 4080, kRowY[i], 1575, 495, 14.4, false);
        nowFields_[i]->setAccessibleName(tr("N(t) of age class %1").arg(i));
    }

    equalsSign_ = makeLabel(matrixFrame_, tr("="), 5880, 1680, 372, 492, 24);
    equalsSign_->setAlignment(Qt::AlignCenter);

    for (int i = 0; i < 4; ++i) {
        nextFields_[i] = makeReadOnlyField(matrixFrame_, 6480, kRowY[i], 1815, 495, 14.4, true);
        setTextColour(nextFields_[i], colours::navy);
        nextFields_[i]->setAccessibleName(tr("N(t+1) of age class %1").arg(i));
    }

    std::vector<Bracket> brackets;
    for (auto [left, right] : {std::pair{120, 3240}, std::pair{3960, 5760}, std::pair{6360, 8400}})
        for (const Bracket& bracket : bracketPair(left, right, 120, 480, 3360, 120))
            brackets.push_back(bracket);
    bracketLines_ = new BracketLines(brackets, matrixFrame_);
    bracketLines_->lower();

    projectArrow_ = new ClickableLabel(matrixFrame_);
    projectArrow_->setGeometry(twipRect(4320, 3480, 780, 636));
    projectArrow_->setPixmap(assetPixmap(QStringLiteral("project_arrow.png")));
    projectArrow_->setAlignment(Qt::AlignCenter);
    projectArrow_->setToolTip(tr("Calculate the age structure for next time interval"));
    projectArrow_->setCursor(pointingHandCursor());
    connect(projectArrow_, &ClickableLabel::clicked, this, &MainWindow::project);

    transitArrow_ = new ClickableLabel(matrixFrame_);
    transitArrow_->setGeometry(twipRect(6960, 3480, 780, 636));
    transitArrow_->setPixmap(assetPixmap(QStringLiteral("transit_arrow.png")));
    transitArrow_->setAlignment(Qt::AlignCenter);
    transitArrow_->setCursor(pointingHandCursor());
    transitArrow_->setAccessibleName(tr("Transit"));
    connect(transitArrow_, &ClickableLabel::clicked, this, &MainWindow::transit);
}

// Under the matrix, where the frame has room to spare, so no other control
// moves. Ctrl+L opens the outlook from anywhere in the window.
void MainWindow::buildOutlookButton()
{
    outlookButton_ =
        makeButton(matrixFrame_, tr("Outlook"), tr("Long-term outlook (Ctrl+L)"), 1080, 3600, 1095, 495);
    outlookButton_->setCursor(pointingHandCursor());
    connect(outlookButton_, &QPushButton::clicked, this, &MainWindow::outlookRequested);
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
    connect(shortcut, &QShortcut::activated, this, &MainWindow::outlookRequested);
}

void MainWindow::buildResultRows()
{
    totalCaption_ = makeLabel(this, tr("Total ="), 3720, 5760, 972, 372, 15.6);
    totalCaption_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    nowTotal_ = makeReadOnlyField(this, 4800, 5640, 1815, 495, 14.4, true);
    setTextColour(nowTotal_, colours::red);
    nextTotal_ = makeReadOnlyField(this, 6840, 5640, 1815, 495, 14.4, true);
    setTextColour(nextTotal_, colours::red);
    nowTotal_->setAccessibleName(tr("Total of N(t)"));
    nextTotal_->setAccessibleName(tr("Total of N(t+1)"));

    stepCaption_ = makeLabel(this, tr("t ="), 3960, 6360, 732, 372, 15.6);
    stepCaption_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    nowStep_ = makeReadOnlyField(this, 4800, 6240, 1815, 495, 14.4, true);
    nextStep_ = makeReadOnlyField(this, 6840, 6240, 1815, 495, 14.4, true);
    nowStep_->setAccessibleName(tr("Step t"));
    nextStep_->setAccessibleName(tr("Step t+1"));

    growthCaption_ = makeLabel(this, tr("Growth rate ="), 3840, 6960, 1812, 372, 15.6);
    growthRate_ = makeReadOnlyField(this, 5760, 6840, 2895, 495, 14.4, true);
    setTextColour(growthRate_, colours::red);
    growthRate_->setAccessibleName(tr("Growth rate"));

    guideLabel_ = makeLabel(this, {}, 120, 5520, 3492, 1812, 12);
    guideLabel_->setFont(timesFont(12, true));
    guideLabel_->setWordWrap(true);
    guideLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    guideLabel_->setIndent(twips(60));
    setTextColour(guideLabel_, colours::yellow);
    setBackground(guideLabel_, colours::darkRed);
    giveSingleBorder(guideLabel_);
}

void MainWindow::buildActionFrame()
{
    actionFrame_ = new QGroupBox(tr("Action"), this);
    actionFrame_->setGeometry(twipRect(8760, 1080, 1335, 6255));
    actionFrame_->setFont(timesFont(9.6));
    setBackground(actionFrame_, Qt::white);

    auto button = [this](const QString& caption, const QString& toolTip, int x, int y, int width, int height) {
        return makeButton(actionFrame_, caption, toolTip, x, y, width, height);
    };
    projectButton_ = button(tr("Project"), tr("Projection"), 120, 240, 1095, 495);
    transitButton_ = button(tr("Transit"), tr("Transition"), 120, 840, 1095, 495);
    howToButton_ = button(tr("How To"), tr("How to"), 120, 1440, 1095, 495);
    introButton_ = button(tr("Intro"), tr("Introduction"), 120, 2040, 1095, 495);
    printButton_ = button(tr("P"), tr("Print this page"), 120, 2640, 495, 495);
    saveButton_ = button(tr("S"), tr("Save graphic data"), 720, 2640, 495, 495);
    graphButton_ = button(tr("Graph"), tr("Show graph"), 120, 3240, 1095, 495);
    editorButton_ = button(tr("Change default values"), tr("Modify default data"), 120, 3840, 1095, 975);
    detailButton_ = button(tr("Detail"), tr("Show detail data"), 120, 4920, 1095, 495);
    quizButton_ = button({}, tr("Quiz"), 120, 5520, 615, 615);
    quitButton_ = button(tr("Q"), tr("Quit this program"), 840, 5520, 375, 615);

    quizButton_->setIcon(QIcon(assetPixmap(QStringLiteral("quiz.png"))));
    quizButton_->setIconSize(twipSize(615, 615) - QSize(8, 8));

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
}

void MainWindow::buildBatchButton()
{
    batchButton_ = makeButton(this, {}, {}, 9120, 240, 615, 615);
    batchButton_->setIcon(QIcon(assetPixmap(QStringLiteral("light_bulb.png"))));
    batchButton_->setIconSize(twipSize(615, 615) - QSize(8, 8));
    batchButton_->setAccessibleName(tr("Batch projection from a data file"));
    connect(batchButton_, &QPushButton::clicked, this, &MainWindow::batchRequested);
}

void MainWindow::nameControls()
{
    std::vector<ControlName> names = {
        {this, QStringLiteral("frmForm1")},
        {titleLabel_, QStringLiteral("Label4")},
        {editionLabel_, QStringLiteral("Label5")},
        {clockLabel_, QStringLiteral("Label13")},
        {clockTimer_, QStringLiteral("Timer1")},
        {matrixFrame_, QStringLiteral("Frame1")},
        {equalsSign_, QStringLiteral("Label1")},
        {bracketLines_, QStringLiteral("Line1-Line18")},
        {projectArrow_, QStringLiteral("Project")},
        {transitArrow_, QStringLiteral("Transit")},
        {outlookButton_, QStringLiteral("outlookButton")},
        {totalCaption_, QStringLiteral("Label2")},
        {nowTotal_, QStringLiteral("total1")},
        {nextTotal_, QStringLiteral("total2")},
        {stepCaption_, QStringLiteral("Label9")},
        {nowStep_, QStringLiteral("txtSimu0")},
        {nextStep_, QStringLiteral("txtSimuT")},
        {growthCaption_, QStringLiteral("Label3")},
        {growthRate_, QStringLiteral("growrate")},
        {guideLabel_, QStringLiteral("Label14")},
        {actionFrame_, QStringLiteral("Frame2")},
        {projectButton_, QStringLiteral("Command1")},
        {transitButton_, QStringLiteral("Command2")},
        {howToButton_, QStringLiteral("Command6")},
        {introButton_, QStringLiteral("Command8")},
        {printButton_, QStringLiteral("Command7")},
        {saveButton_, QStringLiteral("Command9")},
        {graphButton_, QStringLiteral("Command4")},
        {editorButton_, QStringLiteral("Command5")},
        {detailButton_, QStringLiteral("Command11")},
        {quizButton_, QStringLiteral("Command10")},
        {quitButton_, QStringLiteral("Command3")},
        {batchButton_, QStringLiteral("Command12")},
    };
    for (int i = 0; i < kGridCells; ++i)
        names.push_back({matrixCells_[i], QStringLiteral("m(%1)").arg(i)});
    for (int i = 0; i < 4; ++i) {
        names.push_back({nowFields_[i], QStringLiteral("n1(%1)").arg(i)});
        names.push_back({nextFields_[i], QStringLiteral("n2(%1)").arg(i)});
    }
    ui::nameControls(names);
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
        showProblem(this, toQString(loaded.error().message));
}

void MainWindow::project()
{
    const Result<void> done = run_.project();
    if (!done) {
        showProblem(this, toQString(done.error().message));
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
        showProblem(this, toQString(started.error().message));
        return;
    }
    projectButton_->setFocus();
}

void MainWindow::setMatrixCell(MatrixCell cell, const QString& text)
{
    const Result<double> value = parseNumber(text.toStdString(), locale_);
    LeslieMatrix matrix = run_.matrix();
    if (!value || !dalvo::setMatrixCell(matrix, cell, *value))
        return;
    (void)run_.setMatrix(matrix);
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
