#include "ui/teaching/introduction_window.h"

#include <QPushButton>
#include <QTextEdit>
#include <QTextOption>

#include "ui/common/assets.h"
#include "ui/common/controls.h"
#include "ui/common/twips.h"
#include "ui/teaching/introduction_text.h"
#include "ui/teaching/teaching_controls.h"

namespace dalvo::ui {

IntroductionWindow::IntroductionWindow(QWidget* parent) : SecondaryWindow(parent)
{
    setObjectName(QStringLiteral("Introfrm"));
    setWindowTitle(QStringLiteral("Introduction"));
    makeFixedSizeWindow(this, 7645, 6083);
    setBackground(this, colours::lightGrey);

    // The student may select and scroll the page but not change it.
    Text1 = new QTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("Introduction text"));
    Text1->setGeometry(twipRect(240, 120, 7215, 5295));
    Text1->setFont(timesFont(12, true));
    Text1->setReadOnly(true);
    Text1->setTabChangesFocus(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setLineWrapMode(QTextEdit::WidgetWidth);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QTextOption centred(Qt::AlignHCenter);
    centred.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    Text1->document()->setDefaultTextOption(centred);
    Text1->setPlainText(QString::fromStdString(introductionText()));

    Command2 =
        makeButton(this, QStringLiteral("Command2"), QStringLiteral("References"), {}, 1800, 5520, 1695, 495);
    Command2->setCursor(pointingHandCursor());
    connect(Command2, &QPushButton::clicked, this, &IntroductionWindow::referencesRequested);

    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("OK"), {}, 4560, 5520, 1215, 495);
    Command1->setCursor(pointingHandCursor());
    connect(Command1, &QPushButton::clicked, this, &IntroductionWindow::goBackRequested);

    setTabOrder(Command1, Text1);
    setTabOrder(Text1, Command2);
    Command1->setFocus();

    centreOnScreen(this);
}

}  // namespace dalvo::ui
