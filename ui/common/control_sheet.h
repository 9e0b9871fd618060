// A window's controls declared once, as data, and the builder that makes the widgets from them.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <map>
#include <vector>

class QFont;

namespace dalvo::ui {

enum class ControlKind {
    Button,
    Label,
    ClickableLabel,
    // An empty label that shows a picture once the window gives it one.
    Picture,
    // Text the student can select but not change.
    ReadOnlyField,
    EditableField,
    // A captioned box that holds other controls.
    Frame,
    CheckBox,
    // A widget the window makes itself (tables, charts, text boxes, lines);
    // the sheet still names, places and sizes it.
    Own,
};

enum class Face {
    Times,
    SansSerif,
    // Traditional Chinese characters, with a Latin family behind them.
    Chinese,
};

// A point size of 0 leaves the font the control inherits from its window.
struct SheetFont {
    double pointSize = 0;
    bool bold = false;
    bool italic = false;
    Face face = Face::Times;
};

QFont fontOf(const SheetFont& font);

struct ControlEntry {
    // The window's own name for the control.
    QString role;
    // The name tests and accessibility tools have always found it by.
    QString objectName;
    ControlKind kind = ControlKind::Label;
    // Source texts, translated in the sheet's context when the window is built.
    const char* caption = nullptr;
    const char* toolTip = nullptr;
    // x, y, width and height in twips on the parent; an empty rectangle
    // means the control covers its parent (lines drawn over a frame).
    QRect twips;
    SheetFont font;
    // The frame the control sits in; empty for the window itself.
    QString parentRole;
    // Presses the button from anywhere in the window.
    QKeySequence shortcut;
    // What a screen reader says, where neither caption nor tooltip says it.
    const char* accessibleName = nullptr;
    // Numbers put in for %1, %2, ... of the caption and the accessible name.
    QList<int> textArguments;
    // Fields that are not tab stops are reached by the mouse only.
    bool tabStop = true;
    // Controls shown in turn with this one at the same place, never together.
    QStringList takesTurnsWith;
};

struct ControlSheet {
    // The translation context of the texts: the window's class.
    const char* context = nullptr;
    QString windowName;
    // The client area in twips.
    QSize twips;
    std::vector<ControlEntry> controls;

    const ControlEntry& operator[](const QString& role) const;
    // A source text of this sheet as the student reads it.
    QString text(const char* source, const QList<int>& arguments = {}) const;
    // What a screen reader calls the control: its declared accessible name,
    // else the caption a sighted student reads on a button, check box or
    // clickable label, else its tooltip. Plain text labels and frames get
    // none, so that Qt reads out their current text, which may change.
    QString spokenName(const ControlEntry& declared) const;
};

// A push button in the buttons' usual font, 12 point bold.
ControlEntry usualButton(const char* role, const char* objectName, const char* caption, QRect twips);

// The caption as a screen reader should say it: "&&" stays one '&', any
// other '&' marks a mnemonic and goes.
QString withoutMnemonic(const QString& caption);

// The widgets built from a sheet, by role.
class ControlSet {
public:
    QWidget* operator[](const QString& role) const;
    template <class Widget>
    Widget* get(const QString& role) const
    {
        return qobject_cast<Widget*>((*this)[role]);
    }

private:
    friend class ControlBuilder;
    QHash<QString, QWidget*> widgets_;
};

// Makes the widgets the window makes itself, given their parent, by role.
using OwnControls = std::map<QString, std::function<QWidget*(QWidget* parent)>>;

// Builds every control of `sheet` on `window` in sheet order, which is also
// the order the keyboard visits them in, and names the window and every
// control for screen readers, the heading rows of its tables included.
ControlSet buildControls(QWidget* window, const ControlSheet& sheet, const OwnControls& own = {});

}  // namespace dalvo::ui
