// Pictures of the chart's point markers, drawn once and stamped at every point of a series.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

#include <QColor>
#include <QImage>

#include "presentation/chart_description.h"

namespace dalvo::ui {

QColor toColour(const Colour& colour);

// A square transparent picture `canvas` pixels wide with the marker's shape,
// `size` pixels wide, in its middle: filled and, unless the outline has the
// null pen, outlined `outlineWidth` pixels wide.
QImage markerImage(MarkerShape shape, int canvas, int size, const QColor& fill, const QColor& outline,
                   int outlineWidth, bool outlined);

}  // namespace dalvo::ui
