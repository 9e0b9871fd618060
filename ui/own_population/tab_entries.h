// The captions, fields and check boxes the tabs of the own-population window declare, in the tabs' type size.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers
#pragma once

#include <QRect>

#include "ui/common/control_sheet.h"

namespace dalvo::ui {

inline constexpr double kTabPointSize = 11;

inline ControlEntry tabCaption(const char* role, const char* text, QRect twips)
{
    return {.role = role, .objectName = role, .caption = text, .twips = twips, .font = {kTabPointSize}};
}

inline ControlEntry tabField(const char* role, const char* toolTip, QRect twips)
{
    return {.role = role,
            .objectName = role,
            .kind = ControlKind::EditableField,
            .toolTip = toolTip,
            .twips = twips,
            .font = {kTabPointSize}};
}

inline ControlEntry tabCheckBox(const char* role, const char* text, const char* toolTip, QRect twips)
{
    return {.role = role,
            .objectName = role,
            .kind = ControlKind::CheckBox,
            .caption = text,
            .toolTip = toolTip,
            .twips = twips,
            .font = {kTabPointSize}};
}

}  // namespace dalvo::ui
