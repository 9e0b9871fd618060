// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "ui/teaching/introduction_window.h"

#include <QPushButton>
#include <QTextEdit>
#include <QTextOption>

#include "ui/common/controls.h"
#include "ui/common/twips.h"
#include "ui/teaching/teaching_screen.h"

namespace dalvo::ui {

QStringList IntroductionWindow::fragments()
{
    static constexpr const char* kFragments[] = {
        QT_TR_NOOP("The Dalvo-Leslie matrix was developed by Dalvo (1942) and Leslie (1945) to project "
                   "the growth of age-structured populations. "),
        QT_TR_NOOP("The first row (the red numbers) of the square matrix contains "),
        QT_TR_NOOP("the age-specific fecundities "),
        QT_TR_NOOP("of each age group, the subdiagnol column (the blue numbers) "),
        QT_TR_NOOP("contains the age-specific "),
        QT_TR_NOOP("survival rates. A single column matrix (vector) is used to represent "),
        QT_TR_NOOP("the age structure of the population. As the time approaches infinity, "),
        QT_TR_NOOP("the growth rate becomes constant and the age distribution becomes stable. "),
        QT_TR_NOOP("The program is designed for my ecological class.  You can use this "),
        QT_TR_NOOP("program to simulate the growth of this population.  You will see the "),
        QT_TR_NOOP("growth settles down to a stable increase rate as time approaching infinity. "),
        QT_TR_NOOP("Press on the graph button, you will see the change of the total population "),
        QT_TR_NOOP("size, the change of growth rate, age-structure, and the age distribution. "),
        QT_TR_NOOP("The finite rate of increase can be solved numerically. "),
        QT_TR_NOOP(
            "A separate program of ours solves the finite rate of increase of a matrix of any size.  "),
        QT_TR_NOOP("You are welcome to download it free of charge from www.example.org/finite-rate/ . "),
        QT_TR_NOOP("The Dalvo-Leslie matrix is valid for age-structured populations. "),
        QT_TR_NOOP("However, it does not take the stage differentiation into account. "),
        QT_TR_NOOP("It ignores the sexual differentiation too. For insect and mite "),
        QT_TR_NOOP("populations, there are significant stage overlapping. It means that "),
        QT_TR_NOOP("individuals of the same age may be in different developmental stage. "),
        QT_TR_NOOP("Because individuals of different stages may be quite different in the "),
        QT_TR_NOOP("susceptibility to insecticides, predation rate, vulnerability to predator, "),
        QT_TR_NOOP("behavior, and others, it is important to take the age-stage structure "),
        QT_TR_NOOP("into consideration.  For such populations we recommend our separate "),
        QT_TR_NOOP("life-table program, which is based on the age-stage, two-sex life table "),
        QT_TR_NOOP("and takes both the developmental stages and the two sexes into account.  "),
        QT_TR_NOOP("It can be downloaded free of charge from www.example.org/life-table/ . "),
        QT_TR_NOOP("The two-sex life-table theory holds both in data analysis and in theory. "),
    };
    QStringList fragments;
    for (const char* fragment : kFragments)
        fragments << tr(fragment);
    return fragments;
}

QString IntroductionWindow::page()
{
    return fragments().join(QString());
}

const ControlSheet& IntroductionWindow::sheet()
{
    static const ControlSheet sheet{
        .context = "dalvo::ui::IntroductionWindow",
        .windowName = QStringLiteral("Introfrm"),
        .twips = {7645, 6083},
        .controls =
            {
                {.role = "page",
                 .objectName = "Text1",
                 .kind = ControlKind::Own,
                 .twips = {240, 120, 7215, 5295},
                 .font = {12, true},
                 .accessibleName = QT_TRANSLATE_NOOP("dalvo::ui::IntroductionWindow", "Introduction text")},
                usualButton("referencesButton", "Command2",
                             QT_TRANSLATE_NOOP("dalvo::ui::IntroductionWindow", "References"),
                             {1800, 5520, 1695, 495}),
                usualButton("okButton", "Command1", QT_TRANSLATE_NOOP("dalvo::ui::IntroductionWindow", "OK"),
                             {4560, 5520, 1215, 495}),
            },
    };
    return sheet;
}

IntroductionWindow::IntroductionWindow(QWidget* parent) : SecondaryWindow(parent)
{
    setUpScreen(this, tr("Introduction"), sheet().twips.width(), sheet().twips.height(), colours::lightGrey);
    const ControlSet controls = buildControls(
        this, sheet(), {{QStringLiteral("page"), [](QWidget* window) { return new QTextEdit(window); }}});

    // The student may select and scroll the page but not change it.
    page_ = controls.get<QTextEdit>(QStringLiteral("page"));
    page_->setReadOnly(true);
    page_->setTabChangesFocus(true);
    page_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    page_->setLineWrapMode(QTextEdit::WidgetWidth);
    page_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    page_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QTextOption centred(Qt::AlignHCenter);
    centred.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    page_->document()->setDefaultTextOption(centred);
    page_->setPlainText(page());

    referencesButton_ = leaveBy(controls.get<QPushButton>(QStringLiteral("referencesButton")),
                                Pointer::PointingHand, this, &IntroductionWindow::referencesRequested);
    okButton_ = leaveBy(controls.get<QPushButton>(QStringLiteral("okButton")), Pointer::PointingHand, this,
                        &IntroductionWindow::goBackRequested);

    setTabOrder(okButton_, page_);
    setTabOrder(page_, referencesButton_);
    finishScreen(this, okButton_);
}

}  // namespace dalvo::ui
