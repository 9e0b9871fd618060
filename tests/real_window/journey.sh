#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

# Starts the real program on a virtual X display and drives it from outside,
# as a student would: the title screen left with a key and a click on Project
# right after it, three more projections from the keyboard,
# the chart window, saving the run through the file dialog, and the way out.
# Every window on the way is kept as a screenshot.
#
# Usage: journey.sh PROGRAM WORK_FOLDER SHEET_PRINTER
# SHEET_PRINTER prints the windows' control sheets (tests/real_window/print_sheets.cpp).
# WORK_FOLDER receives screenshots/NN-name.png, the saved files, a private
# home and runtime folder, and the program's and the X server's logs.
set -euo pipefail

program=$(realpath "$1")
work=$2
sheet_printer=$(realpath "$3")
timeout_seconds=${DALVO_WINDOW_TIMEOUT:-30}

# shellcheck source=x_driver.sh
source "$(dirname "${BASH_SOURCE[0]}")/x_driver.sh"

for tool in Xvfb xdotool xwininfo import; do
    command -v "$tool" >/dev/null || fail "$tool is missing; scripts/install-deps installs it"
done

shots=$work/screenshots
saved=$work/saved
rm -rf "$shots" "$saved" "${work:?}/home" "${work:?}/runtime"
mkdir -p "$shots" "$saved" "$work/home" "$work/runtime"
chmod 700 "$work/runtime"

start_x_server
start_program

# The numbers of the default run, worked out by hand from the default matrix
# (fecundities 0 1 2 1, survival 0.5 1 0.5) and N(0) = 10 0 0 0: each record
# holds the step, N(t), the total and N(t) divided by the total; the second
# file rounds numbers to 3 decimals and proportions to 4.
header='"Time","age 0","age 1","age 2","age 3","Total","age distribution 0,1,2,3"'
printf '%s\r\n' "$header" \
    '0,10,0,0,0,10,1,0,0,0' \
    '1,0,5,0,0,5,0,1,0,0' \
    '2,5,0,5,0,10,0.5,0,0.5,0' \
    '3,10,2.5,0,2.5,15,0.666666666666667,0.166666666666667,0,0.166666666666667' \
    '4,5,5,2.5,0,12.5,0.4,0.4,0.2,0' >"$work/expected-full.csv"
printf '%s\r\n' "$header" \
    '0,10,0,0,0,10,1,0,0,0' \
    '1,0,5,0,0,5,0,1,0,0' \
    '2,5,0,5,0,10,0.5,0,0.5,0' \
    '3,10,2.5,0,2.5,15,0.6667,0.1667,0,0.1667' \
    '4,5,5,2.5,0,12.5,0.4,0.4,0.2,0' >"$work/expected-rounded.csv"

# The controls that the journey presses, as x, y, width and height in twips
# on their window, read from the windows' control sheets.
sheets=$("$sheet_printer") || fail "the control sheets could not be printed"
sheet_width() {
    awk -v window="$1" '$1 == "window" && $2 == window { print $3; found = 1 } END { exit !found }' <<<"$sheets" ||
        fail "no window $1 on the sheets"
}
sheet_place() {
    awk -v window="$1" -v name="$2" \
        '$1 == "control" && $2 == window && $3 == name { print $4, $5, $6, $7; found = 1 } END { exit !found }' \
        <<<"$sheets" || fail "no control $2 on the sheet of $1"
}
main_width=$(sheet_width frmForm1)
# shellcheck disable=SC2034  # read by name in wait_for_focus
read -ra project_button <<<"$(sheet_place frmForm1 Command1)"
# shellcheck disable=SC2034
read -ra transit_button <<<"$(sheet_place frmForm1 Command2)"
read -ra save_button <<<"$(sheet_place frmForm1 Command9)"
read -ra graph_button <<<"$(sheet_place frmForm1 Command4)"
read -ra quit_button <<<"$(sheet_place frmForm1 Command3)"
chart_width=$(sheet_width dalvofig)
read -ra go_back_button <<<"$(sheet_place dalvofig Command6)"

step "title screen"
title=$(wait_for_window '^Titleform$')
wait_for_window '^Form3$' >/dev/null
screenshot 01-title-screen
focus_window "$title"
xdotool key a
left_at=$(date +%s%N)

# A click that follows the key at once is the student's own, not the rest of
# the key: it projects. Only then can Transit take the focus.
step "main window, projection 1 (click on Project right after the key)"
main=$(wait_for_window '^Dalvo-Leslie Matrix$')
click_control "$main" "$main_width" "${project_button[@]}"
echo "clicked Project $((($(date +%s%N) - left_at) / 1000000)) ms after the key"
wait_until_hidden "$title"
focus_window "$main"
# The style outlines a focused button only once the keyboard has moved the
# focus, so Tab away and back: the outline must then be on Transit.
xdotool key Tab shift+Tab
wait_for_focus "$main" "$main_width" transit_button project_button
screenshot 02-first-projection-by-click

# The focus goes from Project to Transit and back with each press, so Space
# alone carries the student through the run.
for projection in 1 2 3 4; do
    if [ "$projection" != 1 ]; then
        step "projection $projection (Space on Project)"
        xdotool key space
        wait_for_focus "$main" "$main_width" transit_button project_button
    fi
    if [ "$projection" = 4 ]; then break; fi
    step "transition $projection (Space on Transit)"
    xdotool key space
    wait_for_focus "$main" "$main_width" project_button transit_button
    if [ "$projection" = 1 ]; then screenshot 04-first-transition; fi
done
screenshot 05-fourth-projection

step "chart window"
click_control "$main" "$main_width" "${graph_button[@]}"
chart=$(wait_for_window '^Graph( |$)')
wait_until_hidden "$main"
screenshot 06-chart-window

step "go back to the main window"
click_control "$chart" "$chart_width" "${go_back_button[@]}"
wait_until_hidden "$chart"
wait_until_shown "$main"
screenshot 07-main-window-again

step "save dialog for the full-precision file"
click_control "$main" "$main_width" "${save_button[@]}"
dialog=$(wait_for_window '^Save As( |$)')
screenshot 08-save-dialog-full
focus_window "$dialog"
xdotool type --delay 30 "$saved/full.csv"
xdotool key Return
wait_for_file "$saved/full.csv"

step "save dialog for the rounded file"
dialog=$(wait_for_window_again '^Save As( |$)' "$dialog")
screenshot 09-save-dialog-rounded
focus_window "$dialog"
xdotool key ctrl+a
xdotool type --delay 30 "$saved/rounded.csv"
xdotool key Return
wait_for_file "$saved/rounded.csv"
wait_until_hidden "$dialog"

step "saved files"
expect_file_text "$saved/full.csv" "$work/expected-full.csv"
expect_file_text "$saved/rounded.csv" "$work/expected-rounded.csv"

step "about screen"
click_control "$main" "$main_width" "${quit_button[@]}"
about=$(wait_for_window '^Copyright( |$)')
wait_until_hidden "$main"
screenshot 10-about-screen
focus_window "$about"
xdotool key space

step "dedication screen"
dedication=$(wait_for_window '^Dedication( |$)')
wait_until_hidden "$about"
screenshot 11-dedication-screen
focus_window "$dedication"
xdotool key space

step "end of the program"
expect_program_exit 0

step "nothing kept between runs"
kept=$(find "$work/home" -type f)
[ -z "$kept" ] || fail "the program left files in its home folder: $kept"
echo "journey passed; screenshots in $shots"
