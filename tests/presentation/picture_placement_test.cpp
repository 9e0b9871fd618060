// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

#include "presentation/picture_placement.h"

#include <gtest/gtest.h>

#include <vector>

namespace dalvo {
namespace {

TEST(PicturePlacementTest, FitWithinShrinksOnlyWhatDoesNotFit)
{
    struct Case {
        const char* name;
        PictureSize natural, room, expected;
    };
    const std::vector<Case> cases = {
        {"fits with room to spare", {136, 180}, {200, 300}, {136, 180}},
        {"fits exactly", {504, 559}, {504, 559}, {504, 559}},
        {"too tall", {100, 200}, {100, 100}, {50, 100}},
        {"too wide", {400, 100}, {200, 100}, {200, 50}},
        {"too large both ways, height decides", {136, 180}, {110, 145}, {110, 145}},
        {"too large both ways, width decides", {504, 559}, {403, 447}, {403, 447}},
        {"landscape at three quarters", {504, 559}, {378, 600}, {378, 419}},
        {"no room at all", {475, 350}, {0, 0}, {0, 0}},
        {"empty picture stays empty", {0, 0}, {100, 100}, {0, 0}},
    };
    for (const Case& c : cases) {
        const PictureSize fitted = fitWithin(c.natural, c.room);
        EXPECT_EQ(fitted, c.expected) << c.name << ": " << fitted.width << " x " << fitted.height;
        if (c.natural.width > 0 && c.natural.height > 0) {
            EXPECT_LE(fitted.width, c.room.width) << c.name;
            EXPECT_LE(fitted.height, c.room.height) << c.name;
        }
    }
}

TEST(PicturePlacementTest, AboveMiddleCentresAcrossAndLiftsAboveTheMiddle)
{
    struct Case {
        const char* name;
        PictureSize outer, picture;
        int lift;
        PicturePlace expected;
    };
    const std::vector<Case> cases = {
        {"even margins", {661, 507}, {475, 351}, 27, {93, 51}},
        {"picture as wide as the window", {475, 600}, {475, 350}, 0, {0, 125}},
        {"half pixel rounds to the even pixel, down", {500, 400}, {475, 350}, 0, {12, 25}},
        {"half pixel rounds to the even pixel, up", {502, 404}, {475, 351}, 0, {14, 26}},
        {"lifted past the top", {600, 360}, {475, 350}, 27, {62, -22}},
        {"picture wider than the window", {400, 400}, {475, 350}, 0, {-38, 25}},
    };
    for (const Case& c : cases) {
        const PicturePlace place = aboveMiddle(c.outer, c.picture, c.lift);
        EXPECT_EQ(place, c.expected) << c.name << ": " << place.left << ", " << place.top;
    }
}

TEST(PicturePlacementTest, CentredInAFrame)
{
    struct Case {
        const char* name;
        PictureSize frame, picture;
        PicturePlace expected;
    };
    const std::vector<Case> cases = {
        {"smaller picture", {409, 465}, {403, 447}, {3, 9}},
        {"same size", {409, 465}, {409, 465}, {0, 0}},
        {"odd difference rounds to even", {410, 466}, {403, 447}, {4, 10}},
        {"larger picture hangs over every side", {409, 465}, {504, 559}, {-48, -47}},
    };
    for (const Case& c : cases) {
        const PicturePlace place = centredIn(c.frame, c.picture);
        EXPECT_EQ(place, c.expected) << c.name << ": " << place.left << ", " << place.top;
    }
}

}  // namespace
}  // namespace dalvo
