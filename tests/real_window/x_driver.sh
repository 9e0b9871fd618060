# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Dalvo-Leslie Matrix developers

# Helpers for driving the real program on a private X server from outside.
# Sourced by the journey; expects $program, $work and $timeout_seconds.
# Windows are found by their captions and clicked at places given in twips,
# scaled by the window's real width, so the screen's resolution does not matter.
# shellcheck shell=bash disable=SC2154,SC2317  # globals come from the journey; pollers are called by name

current_step="start-up"
x_server_pid=""
program_pid=""

step()
{
    current_step=$1
    echo "--- $current_step"
}

fail()
{
    echo "FAILED at step '$current_step': $*" >&2
    if [ -s "$work/program.log" ]; then
        echo "--- program output:" >&2
        tail -n 30 "$work/program.log" >&2
    fi
    exit 1
}

stop_everything()
{
    if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
        kill "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
    fi
    if [ -n "$x_server_pid" ] && kill -0 "$x_server_pid" 2>/dev/null; then
        kill "$x_server_pid" 2>/dev/null || true
        wait "$x_server_pid" 2>/dev/null || true
    fi
}
trap stop_everything EXIT
trap 'exit 130' INT TERM

# Polls COMMAND... every tenth of a second until it succeeds; fails the step
# with WHAT when the time is up or the program has gone.
poll_until()
{
    local what=$1
    shift
    local deadline=$((SECONDS + timeout_seconds))
    until "$@"; do
        if [ -n "$program_pid" ] && ! kill -0 "$program_pid" 2>/dev/null; then
            fail "the program ended while waiting for $what"
        fi
        [ "$SECONDS" -lt "$deadline" ] || fail "no $what within $timeout_seconds s"
        sleep 0.1
    done
}

# The server picks a free display itself and writes its number when it is
# ready, so two runs at once never meet.
start_x_server()
{
    local number_file=$work/display-number
    rm -f "$number_file"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 3>"$number_file" \
        >"$work/xvfb.log" 2>&1 &
    x_server_pid=$!
    poll_until "X server" test -s "$number_file"
    DISPLAY=":$(head -n 1 "$number_file")"
    export DISPLAY
    echo "X server on $DISPLAY"
}

# A private home and runtime folder keep the user's configuration untouched;
# no platform theme, so the file dialog is Qt's own.
start_program()
{
    (
        cd "$work/saved" || exit 1
        exec env -u QT_QPA_PLATFORMTHEME -u QT_STYLE_OVERRIDE -u QT_SCALE_FACTOR -u DBUS_SESSION_BUS_ADDRESS \
            -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION \
            QT_QPA_PLATFORM=xcb HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
            XDG_CONFIG_HOME="$work/home/.config" XDG_CACHE_HOME="$work/home/.cache" \
            XDG_DATA_HOME="$work/home/.local/share" LANG=C.UTF-8 LC_ALL=C.UTF-8 \
            "$program"
    ) >"$work/program.log" 2>&1 &
    program_pid=$!
}

visible_windows()
{
    xdotool search --all --onlyvisible --pid "$program_pid" --name "$1" 2>/dev/null || true
}

# Prints the id of the program's one visible window whose caption matches
# the regular expression.
wait_for_window()
{
    local caption=$1 found=""
    find_window() {
        found=$(visible_windows "$caption" | head -n 1)
        [ -n "$found" ]
    }
    poll_until "window '$caption'" find_window
    echo "$found"
}

# Like wait_for_window, for a window shown again by the program: either a new
# window or the old one after it was seen hidden.
wait_for_window_again()
{
    local caption=$1 old=$2 found="" old_hidden=""
    find_again() {
        is_viewable "$old" || old_hidden=yes
        found=$(visible_windows "$caption" | { [ -n "$old_hidden" ] && cat || grep -vx "$old"; } | head -n 1)
        [ -n "$found" ]
    }
    poll_until "window '$caption' shown again" find_again
    echo "$found"
}

is_viewable()
{
    xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

wait_until_hidden()
{
    poll_until "hiding of window $1" eval "! is_viewable $1"
}

wait_until_shown()
{
    poll_until "window $1 shown again" is_viewable "$1"
}

# Without a window manager only the server's input focus can be set; Qt
# takes it as the window's activation.
focus_window()
{
    xdotool windowfocus --sync "$1" || fail "could not give window $1 the keyboard focus"
}

screenshot()
{
    import -display "$DISPLAY" -window root "$work/screenshots/$1.png" || fail "no screenshot $1"
}

# Twips of a window whose width is WIDTH_TWIPS, as pixels of the real window.
to_pixels()
{
    local window_pixels=$1 width_twips=$2 twips=$3
    echo $(((twips * window_pixels + width_twips / 2) / width_twips))
}

window_width()
{
    local WIDTH=""
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$WIDTH"
}

# Clicks the middle of a control given as x, y, width and height in twips.
click_control()
{
    local window=$1 width_twips=$2 x=$3 y=$4 width=$5 height=$6 pixels
    pixels=$(window_width "$window")
    xdotool mousemove --window "$window" --sync "$(to_pixels "$pixels" "$width_twips" $((x + width / 2)))" \
        "$(to_pixels "$pixels" "$width_twips" $((y + height / 2)))" click 1
}

wait_for_file()
{
    poll_until "file $1" test -s "$1"
}

expect_file_text()
{
    local file=$1 expected=$2
    if ! cmp -s "$file" "$expected"; then
        echo "--- expected ($expected):" >&2
        cat -A "$expected" >&2
        echo "--- found ($file):" >&2
        cat -A "$file" >&2
        fail "$file does not hold the run"
    fi
}

expect_program_exit()
{
    local expected=$1 status=0 deadline=$((SECONDS + timeout_seconds))
    while kill -0 "$program_pid" 2>/dev/null; do
        [ "$SECONDS" -lt "$deadline" ] || fail "the program still runs after $timeout_seconds s"
        sleep 0.1
    done
    wait "$program_pid" || status=$?
    program_pid=""
    [ "$status" -eq "$expected" ] || fail "the program ended with status $status, not $expected"
}

# Pixels of a window's rectangle (in twips) whose colour is clearly not a
# grey: the focused push button is the only coloured thing in the Action
# frame, since the style draws its outline in the highlight colour.
coloured_pixels()
{
    local window=$1 width_twips=$2 x=$3 y=$4 width=$5 height=$6 pixels
    pixels=$(window_width "$window")
    local left top right bottom
    left=$(to_pixels "$pixels" "$width_twips" "$x")
    top=$(to_pixels "$pixels" "$width_twips" "$y")
    right=$(to_pixels "$pixels" "$width_twips" $((x + width)))
    bottom=$(to_pixels "$pixels" "$width_twips" $((y + height)))
    import -display "$DISPLAY" -window "$window" -crop "$((right - left))x$((bottom - top))+$left+$top" \
        -depth 8 txt:- |
        awk -F'[(),]' 'NR > 1 {
            high = $3; low = $3
            if ($4 > high) high = $4
            if ($5 > high) high = $5
            if ($4 < low) low = $4
            if ($5 < low) low = $5
            if (high - low > 40) coloured++
        }
        END { print coloured + 0 }'
}

# Waits until the button FOCUSED shows the keyboard focus and the button
# OTHER does not; both name arrays of x, y, width and height in twips.
wait_for_focus()
{
    local window=$1 width_twips=$2 focused=$3 other=$4
    local -n focused_rect=$focused other_rect=$other
    focus_shown() {
        [ "$(coloured_pixels "$window" "$width_twips" "${focused_rect[@]}")" -gt 20 ] &&
            [ "$(coloured_pixels "$window" "$width_twips" "${other_rect[@]}")" -eq 0 ]
    }
    poll_until "keyboard focus on ${focused%_button}" focus_shown
}
