// Where the teaching screens put their pictures, in pixels.
// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#pragma once

namespace dalvo {

struct PictureSize {
    int width = 0;
    int height = 0;
    bool operator==(const PictureSize&) const = default;
};

struct PicturePlace {
    int left = 0;
    int top = 0;
    bool operator==(const PicturePlace&) const = default;
};

// A picture's own size, shrunk with its shape kept when it is larger than
// the room it has; never enlarged.
PictureSize fitWithin(PictureSize natural, PictureSize room);

// Midway across the whole window, border and title bar included, and `lift`
// above its middle.
PicturePlace aboveMiddle(PictureSize outerWindow, PictureSize picture, int lift);

// Centred in a frame, in the frame's own coordinates; negative when the
// picture is larger than the frame.
PicturePlace centredIn(PictureSize frame, PictureSize picture);

}  // namespace dalvo
