// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "presentation/picture_placement.h"

#include <algorithm>

#include "model/number_text.h"

namespace dalvo {

namespace {

// The places are worked out in single precision and land on the nearest
// pixel, exact halves on the even one.
int toPixel(float value)
{
    return static_cast<int>(roundToDecimals(value, 0));
}

float halfDifference(int outer, int inner)
{
    return (static_cast<float>(outer) - static_cast<float>(inner)) / 2.0f;
}

}  // namespace

PictureSize fitWithin(PictureSize natural, PictureSize room)
{
    if (natural.width <= 0 || natural.height <= 0)
        return natural;
    if (natural.width <= room.width && natural.height <= room.height)
        return natural;
    const double scale = std::max(0.0, std::min(static_cast<double>(room.width) / natural.width,
                                                static_cast<double>(room.height) / natural.height));
    return {static_cast<int>(roundToDecimals(natural.width * scale, 0)),
            static_cast<int>(roundToDecimals(natural.height * scale, 0))};
}

PicturePlace aboveMiddle(PictureSize outerWindow, PictureSize picture, int lift)
{
    return {toPixel(halfDifference(outerWindow.width, picture.width)),
            toPixel(halfDifference(outerWindow.height, picture.height) - static_cast<float>(lift))};
}

PicturePlace centredIn(PictureSize frame, PictureSize picture)
{
    return {toPixel(halfDifference(frame.width, picture.width)),
            toPixel(halfDifference(frame.height, picture.height))};
}

}  // namespace dalvo
