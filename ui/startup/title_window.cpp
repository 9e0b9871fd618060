#include "ui/startup/title_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include "ui/common/assets.h"
#include "ui/common/clickable_label.h"
#include "ui/common/controls.h"
#include "ui/common/twips.h"

namespace dalvo::ui {

namespace {

struct Word {
    const char* caption;
    int left;
    int top;
    int width;
    int height;
    double pointSize;
    bool italic;
};

// Even indices say "Leslie", odd ones "Dalvo"; the words grow with the index.
constexpr std::array<Word, kTitleWordCount> kWords = {{
    {"Leslie", 7440, 5880, 2052, 492, 18, true},
    {"Dalvo", 3360, 4920, 3612, 612, 24, false},
    {"Leslie", 7320, 3000, 3132, 852, 30, false},
    {"Dalvo", 5520, 4080, 4572, 972, 36, false},
    {"Leslie", 360, 3480, 4092, 1212, 43.8, false},
    {"Dalvo", 2280, 2280, 4812, 1452, 54, true},
    {"Leslie", 5520, 1080, 4692, 1692, 64.8, false},
    {"Dalvo", 240, 120, 5415, 1695, 73.8, false},
}};

constexpr int kWidth = 10637;
constexpr int kHeight = 7051;
constexpr int kTickMilliseconds = 400;

// A key counts when it types a character, control characters such as
// Enter, Escape, Backspace and Tab included; keys that type nothing (arrows,
// function keys, modifiers alone) give no text. Delete gives a text on some
// systems but is an editing key, not a character.
bool typesCharacter(const QKeyEvent& event)
{
    return !event.text().isEmpty() && event.key() != Qt::Key_Delete;
}

}  // namespace

TitleWindow::TitleWindow(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setWindowTitle(tr("Titleform"));
    setFixedSize(twipSize(kWidth, kHeight));
    setBackground(this, colours::darkBlue);
    setFocusPolicy(Qt::StrongFocus);
    centreOnScreen();

    wordTimer_ = new QTimer(this);
    connect(wordTimer_, &QTimer::timeout, this, &TitleWindow::animateWords);

    for (int i = 0; i < kTitleWordCount; ++i) {
        const Word& word = kWords[i];
        auto* label = new ClickableLabel(this);
        label->setText(tr(word.caption));
        label->setGeometry(twipRect(word.left, word.top, word.width, word.height));
        QFont font = timesFont(word.pointSize);
        font.setItalic(word.italic);
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        setTextColour(label, colours::yellow);
        label->hide();
        label->installEventFilter(this);
        connect(label, &ClickableLabel::clicked, this, [this] { leaveByLabel(LeavingInput::Kind::Click); });
        connect(label, &ClickableLabel::doubleClicked, this,
                [this] { leaveByLabel(LeavingInput::Kind::DoubleClick); });
        words_[i] = label;
    }

    startPrompt_ = new ClickableLabel(this);
    startPrompt_->setText(tr("Press any key or click mouse to start."));
    startPrompt_->setGeometry(twipRect(1200, 4800, 1695, 1095));
    startPrompt_->setFont(timesFont(13.2));
    startPrompt_->setAlignment(Qt::AlignCenter);
    startPrompt_->setWordWrap(true);
    setTextColour(startPrompt_, colours::yellow);
    setBackground(startPrompt_, colours::red);
    giveSingleBorder(startPrompt_);
    startPrompt_->setCursor(pointingHandCursor());
    startPrompt_->installEventFilter(this);
    connect(startPrompt_, &ClickableLabel::clicked, this, [this] { leaveByLabel(LeavingInput::Kind::Click); });
    connect(startPrompt_, &ClickableLabel::doubleClicked, this,
            [this] { leaveByLabel(LeavingInput::Kind::DoubleClick); });

    nameControls();

    // Loading: the words start their animation with the window's creation.
    wordTimer_->setInterval(kTickMilliseconds);
    wordTimer_->start();
}

void TitleWindow::nameControls()
{
    std::vector<ControlName> names = {
        {this, QStringLiteral("titlform")},
        {wordTimer_, QStringLiteral("Timer1")},
        {startPrompt_, QStringLiteral("Label2")},
    };
    for (int i = 0; i < kTitleWordCount; ++i)
        names.push_back({words_[i], QStringLiteral("Label1(%1)").arg(i)});
    ui::nameControls(names);
}

void TitleWindow::centreOnScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = rect();
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
}

void TitleWindow::showInFront()
{
    centreOnScreen();
    showNormal();
    raise();
    activateWindow();
}

void TitleWindow::animateWords()
{
    const TitleAnimation::Step step = animation_.tick();
    words_[step.hide]->hide();
    words_[step.show]->show();
}

void TitleWindow::leave(const LeavingInput& input)
{
    if (left_)
        return;
    left_ = true;
    hide();
    emit left(input);
}

void TitleWindow::leaveByLabel(LeavingInput::Kind kind)
{
    leave({kind, 0, labelMouseTimestamp_});
}

// Sees each label's mouse events before the label turns them into clicks.
bool TitleWindow::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        labelMouseTimestamp_ = static_cast<QMouseEvent*>(event)->timestamp();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TitleWindow::keyPressEvent(QKeyEvent* event)
{
    if (typesCharacter(*event)) {
        event->accept();
        leave({LeavingInput::Kind::Key, event->key(), event->timestamp()});
        return;
    }
    QWidget::keyPressEvent(event);
}

void TitleWindow::mousePressEvent(QMouseEvent* event)
{
    clicks_.press(*event);
    event->accept();
}

// A click on the background counts when the press and the release both land
// on the window, as on the labels.
void TitleWindow::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = clicks_.release(*event, *this);
    event->accept();
    if (click)
        leave({LeavingInput::Kind::Click, 0, event->timestamp()});
}

void TitleWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    clicks_.cancel();
    event->accept();
    if (event->button() == Qt::LeftButton)
        leave({LeavingInput::Kind::DoubleClick, 0, event->timestamp()});
}

// The window has no close box, but the window system can still ask it to
// close (Alt+F4). Closing it without showing the main window would leave the
// student with nothing but the disabled backdrop, so the request leaves the
// title screen the way a key does, with no rest of it to keep from the main
// window.
void TitleWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    leave({});
}

// Tab is a character here, not a move between controls.
bool TitleWindow::focusNextPrevChild(bool)
{
    return false;
}

}  // namespace dalvo::ui
