// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/startup/title_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include "ui/common/assets.h"
#include "ui/common/clickable_label.h"
#include "ui/common/control_sheet.h"
#include "ui/common/controls.h"
#include "ui/common/twips.h"

namespace dalvo::ui {

namespace {

// Even indices say "Leslie", odd ones "Dalvo"; the words grow with the
// index, and one at a time is shown.
ControlEntry word(int index, const char* caption, QRect twips, double pointSize, bool italic)
{
    QStringList otherWords;
    for (int other = 0; other < kTitleWordCount; ++other)
        if (other != index)
            otherWords << QStringLiteral("word%1").arg(other);
    return {.role = QStringLiteral("word%1").arg(index),
            .objectName = QStringLiteral("Label1(%1)").arg(index),
            .kind = ControlKind::ClickableLabel,
            .caption = caption,
            .twips = twips,
            .font = {.pointSize = pointSize, .italic = italic},
            .takesTurnsWith = otherWords};
}

ControlSheet makeSheet()
{
    const char* leslie = QT_TRANSLATE_NOOP("dalvo::ui::TitleWindow", "Leslie");
    const char* dalvo = QT_TRANSLATE_NOOP("dalvo::ui::TitleWindow", "Dalvo");
    return {
        .context = "dalvo::ui::TitleWindow",
        .windowName = QStringLiteral("titlform"),
        .twips = {10637, 7051},
        .controls =
            {
                word(0, leslie, {7440, 5880, 2052, 492}, 18, true),
                word(1, dalvo, {3360, 4920, 3612, 612}, 24, false),
                word(2, leslie, {7320, 3000, 3132, 852}, 30, false),
                word(3, dalvo, {5520, 4080, 4572, 972}, 36, false),
                word(4, leslie, {360, 3480, 4092, 1212}, 43.8, false),
                word(5, dalvo, {2280, 2280, 4812, 1452}, 54, true),
                word(6, leslie, {5520, 1080, 4692, 1692}, 64.8, false),
                word(7, dalvo, {240, 120, 5415, 1695}, 73.8, false),
                {.role = "startPrompt",
                 .objectName = "Label2",
                 .kind = ControlKind::ClickableLabel,
                 .caption =
                     QT_TRANSLATE_NOOP("dalvo::ui::TitleWindow", "Press any key or click mouse to start."),
                 .twips = {1200, 4800, 1695, 1095},
                 .font = {13.2}},
            },
    };
}

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

const ControlSheet& TitleWindow::sheet()
{
    static const ControlSheet sheet = makeSheet();
    return sheet;
}

TitleWindow::TitleWindow(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setWindowTitle(tr("Titleform"));
    setFixedSize(twipSize(sheet().twips.width(), sheet().twips.height()));
    setBackground(this, colours::darkBlue);
    setFocusPolicy(Qt::StrongFocus);
    centreOnScreen();

    wordTimer_ = new QTimer(this);
    wordTimer_->setObjectName(QStringLiteral("Timer1"));
    connect(wordTimer_, &QTimer::timeout, this, &TitleWindow::animateWords);

    const ControlSet controls = buildControls(this, sheet());
    for (int i = 0; i < kTitleWordCount; ++i) {
        auto* label = controls.get<ClickableLabel>(QStringLiteral("word%1").arg(i));
        label->setAlignment(Qt::AlignCenter);
        setTextColour(label, colours::yellow);
        label->hide();
        label->installEventFilter(this);
        connect(label, &ClickableLabel::clicked, this, [this] { leaveByLabel(LeavingInput::Kind::Click); });
        connect(label, &ClickableLabel::doubleClicked, this,
                [this] { leaveByLabel(LeavingInput::Kind::DoubleClick); });
        words_[i] = label;
    }

    startPrompt_ = controls.get<ClickableLabel>(QStringLiteral("startPrompt"));
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

    // Loading: the words start their animation with the window's creation.
    wordTimer_->setInterval(kTickMilliseconds);
    wordTimer_->start();
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
