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
#include <QTimer>

#include "ui/common/assets.h"
#include "ui/common/bracket_lines.h"
#include "ui/common/clickable_label.h"
#include "ui/common/controls.h"
#include "ui/common/messages.h"
#include "ui/common/number_field.h"
#include "ui/common/page_printer.h"
#include "ui/common/screen_place.h"
#include "ui/common/secondary_window.h"
#include "ui/common/system_locale.h"
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
    return QStringLiteral("Free edition ") + QString::number(year) + QStringLiteral(" for classes");
}

QString guideNotice()
{
    return QStringLiteral(
        "Red: fecundities\n"
        "Blue: survival rates\n"
        "Project: N(t+1) = M x N(t)\n"
        "Transit: N(t+1) becomes N(t)\n"
        "Graph: from step 4 on");
}

}  // namespace

MainWindow::MainWindow(History& history, QWidget* parent)
    : QWidget(parent), model_(history, numberLocaleOfSystem())
{
    setObjectName(QStringLiteral("frmForm1"));
    setWindowTitle(QStringLiteral("Dalvo-Leslie Matrix"));
    setWindowIcon(applicationIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(twipSize(10200, 7452));
    setFont(timesFont(9.6));
    setBackground(this, Qt::white);

    printer_ = new PagePrinter(this);

    buildTitleBand();
    buildMatrixFrame();
    buildResultRows();
    buildActionFrame();
    buildBatchButton();

    mirrorModel();
}

void MainWindow::buildTitleBand()
{
    Label4 = new ClickableLabel(this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setText(QStringLiteral("Dalvo-Leslie Matrix"));
    Label4->setGeometry(twipRect(120, 120, 5412, 732));
    Label4->setFont(timesFont(24, true));
    Label4->setAlignment(Qt::AlignCenter);
    setTextColour(Label4, colours::yellow);
    setBackground(Label4, colours::blue);
    giveSingleBorder(Label4);
    Label4->setToolTip(QStringLiteral("Introduction"));
    Label4->setCursor(pointingHandCursor());
    connect(Label4, &ClickableLabel::clicked, this, &MainWindow::introductionRequested);

    Label5 = makeLabel(this, QStringLiteral("Label5"), {}, 5640, 120, 3375, 375, 12);
    Label5->setFont(timesFont(12, true));
    setBackground(Label5, Qt::white);

    Label13 = makeLabel(this, QStringLiteral("Label13"), {}, 5640, 480, 3375, 375, 14.4);
    Label13->setFont(timesFont(14.4, true));
    Label13->setAlignment(Qt::AlignCenter);
    setBackground(Label13, colours::yellow);
    giveSingleBorder(Label13);

    // The clock keeps ticking while the window is hidden.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &MainWindow::tickClock);
    Timer1->start();
}

void MainWindow::buildMatrixFrame()
{
    Frame1 = new QGroupBox(QStringLiteral("Matrix projection"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twipRect(120, 1080, 8532, 4332));
    Frame1->setFont(timesFont(9.6));
    setBackground(Frame1, Qt::white);

    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            const int index = 4 * r + c;
            QLineEdit* cell = makeReadOnlyField(Frame1, QStringLiteral("m(%1)").arg(index), kColumnX[c],
                                                kRowY[r], kCellWidth[c], 495, 14.4, false);
            cell->setFont(timesFont(14.4, true));
            if (r == 0)
                setTextColour(cell, colours::red);
            else if (c == r - 1)
                setTextColour(cell, colours::blue);
            cell->setAccessibleName(QStringLiteral("Matrix row %1, column %2").arg(r + 1).arg(c + 1));
            m[index] = cell;
        }
    }
    for (int i = 0; i < 4; ++i) {
        n1[i] = makeReadOnlyField(Frame1, QStringLiteral("n1(%1)").arg(i), 4080, kRowY[i], 1575, 495, 14.4,
                                  false);
        n1[i]->setAccessibleName(QStringLiteral("N(t) of age class %1").arg(i));
    }

    QLabel* equals =
        makeLabel(Frame1, QStringLiteral("Label1"), QStringLiteral("="), 5880, 1680, 372, 492, 24);
    equals->setAlignment(Qt::AlignCenter);

    for (int i = 0; i < 4; ++i) {
        n2[i] =
            makeReadOnlyField(Frame1, QStringLiteral("n2(%1)").arg(i), 6480, kRowY[i], 1815, 495, 14.4, true);
        setTextColour(n2[i], colours::navy);
        n2[i]->setAccessibleName(QStringLiteral("N(t+1) of age class %1").arg(i));
    }

    std::vector<Bracket> brackets;
    for (auto [left, right] : {std::pair{120, 3240}, std::pair{3960, 5760}, std::pair{6360, 8400}})
        for (const Bracket& bracket : bracketPair(left, right, 120, 480, 3360, 120))
            brackets.push_back(bracket);
    auto* lines = new BracketLines(brackets, Frame1);
    lines->setObjectName(QStringLiteral("Line1-Line18"));
    lines->lower();

    const QPixmap projectPicture = assetPixmap(QStringLiteral("project_arrow.png"));
    Project = new ClickableLabel(Frame1);
    Project->setObjectName(QStringLiteral("Project"));
    Project->setGeometry(twipRect(4320, 3480, 780, 636));
    Project->setPixmap(projectPicture);
    Project->setAlignment(Qt::AlignCenter);
    Project->setToolTip(QStringLiteral("Calculate the age structure for next time interval"));
    Project->setCursor(pointingHandCursor());
    connect(Project, &ClickableLabel::clicked, this, &MainWindow::Projection);

    Transit = new ClickableLabel(Frame1);
    Transit->setObjectName(QStringLiteral("Transit"));
    Transit->setGeometry(twipRect(6960, 3480, 780, 636));
    Transit->setPixmap(assetPixmap(QStringLiteral("transit_arrow.png")));
    Transit->setAlignment(Qt::AlignCenter);
    Transit->setCursor(pointingHandCursor());
    Transit->setAccessibleName(QStringLiteral("Transit"));
    connect(Transit, &ClickableLabel::clicked, this, &MainWindow::Transition);
}

void MainWindow::buildResultRows()
{
    QLabel* totalCaption =
        makeLabel(this, QStringLiteral("Label2"), QStringLiteral("Total ="), 3720, 5760, 972, 372, 15.6);
    totalCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    total1 = makeReadOnlyField(this, QStringLiteral("total1"), 4800, 5640, 1815, 495, 14.4, true);
    setTextColour(total1, colours::red);
    total2 = makeReadOnlyField(this, QStringLiteral("total2"), 6840, 5640, 1815, 495, 14.4, true);
    setTextColour(total2, colours::red);
    total1->setAccessibleName(QStringLiteral("Total of N(t)"));
    total2->setAccessibleName(QStringLiteral("Total of N(t+1)"));

    QLabel* stepCaption =
        makeLabel(this, QStringLiteral("Label9"), QStringLiteral("t ="), 3960, 6360, 732, 372, 15.6);
    stepCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtSimu0 = makeReadOnlyField(this, QStringLiteral("txtSimu0"), 4800, 6240, 1815, 495, 14.4, true);
    txtSimuT = makeReadOnlyField(this, QStringLiteral("txtSimuT"), 6840, 6240, 1815, 495, 14.4, true);
    txtSimu0->setAccessibleName(QStringLiteral("Step t"));
    txtSimuT->setAccessibleName(QStringLiteral("Step t+1"));

    makeLabel(this, QStringLiteral("Label3"), QStringLiteral("Growth rate ="), 3840, 6960, 1812, 372, 15.6);
    growrate = makeReadOnlyField(this, QStringLiteral("growrate"), 5760, 6840, 2895, 495, 14.4, true);
    setTextColour(growrate, colours::red);
    growrate->setAccessibleName(QStringLiteral("Growth rate"));

    Label14 = makeLabel(this, QStringLiteral("Label14"), {}, 120, 5520, 3492, 1812, 12);
    Label14->setFont(timesFont(12, true));
    Label14->setWordWrap(true);
    Label14->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label14->setIndent(twips(60));
    setTextColour(Label14, colours::yellow);
    setBackground(Label14, colours::darkRed);
    giveSingleBorder(Label14);
}

void MainWindow::buildActionFrame()
{
    Frame2 = new QGroupBox(QStringLiteral("Action"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(twipRect(8760, 1080, 1335, 6255));
    Frame2->setFont(timesFont(9.6));
    setBackground(Frame2, Qt::white);

    auto button = [this](const char* name, const char* caption, const char* toolTip, int x, int y, int width,
                         int height) {
        return makeButton(Frame2, QString::fromLatin1(name), QString::fromLatin1(caption),
                          QString::fromLatin1(toolTip), x, y, width, height);
    };
    Command1 = button("Command1", "Project", "Projection", 120, 240, 1095, 495);
    Command2 = button("Command2", "Transit", "Transition", 120, 840, 1095, 495);
    Command6 = button("Command6", "How To", "How to", 120, 1440, 1095, 495);
    Command8 = button("Command8", "Intro", "Introduction", 120, 2040, 1095, 495);
    Command7 = button("Command7", "P", "Print this page", 120, 2640, 495, 495);
    Command9 = button("Command9", "S", "Save graphic data", 720, 2640, 495, 495);
    Command4 = button("Command4", "Graph", "Show graph", 120, 3240, 1095, 495);
    Command5 = button("Command5", "Change default values", "Modify default data", 120, 3840, 1095, 975);
    Command11 = button("Command11", "Detail", "Show detail data", 120, 4920, 1095, 495);
    Command10 = button("Command10", "", "Quiz", 120, 5520, 615, 615);
    Command3 = button("Command3", "Q", "Quit this program", 840, 5520, 375, 615);

    Command10->setIcon(QIcon(assetPixmap(QStringLiteral("quiz.png"))));
    Command10->setIconSize(twipSize(615, 615) - QSize(8, 8));

    for (QPushButton* withHand :
         {Command1, Command2, Command3, Command4, Command5, Command6, Command7, Command8})
        withHand->setCursor(pointingHandCursor());

    connect(Command1, &QPushButton::clicked, this, &MainWindow::Projection);
    connect(Command2, &QPushButton::clicked, this, &MainWindow::Transition);
    connect(Command6, &QPushButton::clicked, this, &MainWindow::howToRequested);
    connect(Command8, &QPushButton::clicked, this, &MainWindow::introductionRequested);
    connect(Command7, &QPushButton::clicked, this, [this] { printer_->printWindow(this); });
    connect(Command9, &QPushButton::clicked, this, &MainWindow::saveRequested);
    connect(Command4, &QPushButton::clicked, this, &MainWindow::graphRequested);
    connect(Command5, &QPushButton::clicked, this, &MainWindow::editorRequested);
    connect(Command11, &QPushButton::clicked, this, &MainWindow::detailRequested);
    connect(Command10, &QPushButton::clicked, this, &MainWindow::quizRequested);
    connect(Command3, &QPushButton::clicked, this, &MainWindow::quitRequested);
}

void MainWindow::buildBatchButton()
{
    Command12 = makeButton(this, QStringLiteral("Command12"), {}, {}, 9120, 240, 615, 615);
    Command12->setIcon(QIcon(assetPixmap(QStringLiteral("light_bulb.png"))));
    Command12->setIconSize(twipSize(615, 615) - QSize(8, 8));
    Command12->setAccessibleName(QStringLiteral("Batch projection from a data file"));
    connect(Command12, &QPushButton::clicked, this, &MainWindow::batchRequested);
}

void MainWindow::load()
{
    const Result<void> loaded = model_.load();
    Label14->setText(guideNotice());
    Label5->setText(editionNotice(QDate::currentDate().year()));
    tickClock();
    mirrorModel();
    centreOnScreen(this);
    Command1->setFocus();
    if (!loaded)
        showProblem(this, toQString(loaded.error().message));
}

void MainWindow::InitialCal()
{
    const Result<void> done = model_.InitialCal();
    mirrorModel();
    if (!done)
        showProblem(this, toQString(done.error().message));
}

void MainWindow::Projection()
{
    const Result<void> done = model_.Projection();
    if (!done) {
        showProblem(this, toQString(done.error().message));
        return;
    }
    mirrorModel();
    Command2->setFocus();
}

void MainWindow::Transition()
{
    model_.Transition();
    mirrorModel();
    Command1->setFocus();
}

void MainWindow::startNewRun(const std::array<std::string, 16>& matrix,
                             const std::array<std::string, 4>& initial)
{
    const Result<void> started = model_.startNewRun(matrix, initial);
    mirrorModel();
    if (!started) {
        showProblem(this, toQString(started.error().message));
        return;
    }
    Command1->setFocus();
}

void MainWindow::setMatrixCell(int index, const QString& text)
{
    model_.setMatrixCell(index, text.toStdString());
    mirrorModel();
}

// Copies the model's texts and control states into the widgets; the widgets
// hold no state of their own.
void MainWindow::mirrorModel()
{
    const MainFields& fields = model_.fields();
    for (int i = 0; i < 16; ++i)
        showNumber(m[i], toQString(fields.m[i]));
    for (int i = 0; i < 4; ++i) {
        showNumber(n1[i], toQString(fields.n1[i]));
        showNumber(n2[i], toQString(fields.n2[i]));
    }
    showNumber(total1, toQString(fields.total1));
    showNumber(total2, toQString(fields.total2));
    showNumber(growrate, toQString(fields.growrate));
    showNumber(txtSimu0, toQString(fields.txtSimu0));
    showNumber(txtSimuT, toQString(fields.txtSimuT));

    const bool readyToProject = model_.actionState() == ActionState::ReadyToProject;
    Command1->setEnabled(readyToProject);
    Command2->setEnabled(!readyToProject);
    Project->setVisible(readyToProject);
    Project->setEnabled(readyToProject);
    Transit->setVisible(!readyToProject);
    Transit->setEnabled(!readyToProject);
    Command4->setEnabled(model_.graphEnabled());
}

void MainWindow::tickClock()
{
    Label13->setText(generalDateTime(QDateTime::currentDateTime()));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit programEndRequested();
}

}  // namespace dalvo::ui
