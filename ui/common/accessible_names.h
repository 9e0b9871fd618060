// Names every control of a window for screen readers: its caption, or its tooltip where it has none.
#pragma once

#include <QString>

class QWidget;

namespace dalvo::ui {

// Gives each control inside `window` that has no accessible name yet the
// name a sighted student reads on it: a button's caption without its '&'
// mnemonic marker, a clickable label's text without markup, or else its
// tooltip. Controls with neither keep what their window gave them.
//
// Plain text labels are left alone: Qt already reads out their current
// text, and a fixed name would go stale for labels that change, like the
// clock.
void nameControlsForScreenReaders(QWidget* window);

// The caption as a screen reader should say it: "&&" stays one '&', any
// other '&' marks a mnemonic and goes.
QString withoutMnemonic(const QString& caption);

}  // namespace dalvo::ui
