#!/usr/bin/env bash
# Photographs the librarian on a virtual display, in English and in Japanese,
# on the built-in emulated synthesizer: the main window with the received
# library, the dialogs, the alerts and the communication dialog in progress
# and after a failure. Keys and clicks are sent with xdotool, so a change to
# anything visible can be looked at without a desktop. Pictures go to
# build/screenshots/ (or the folder given); each session starts from fresh
# preferences.
set -euo pipefail
cd "$(dirname "$0")/.."

out=$(realpath -m "${1:-build/screenshots}")
librarian=$PWD/build/src/tolmvesk_librarian_artefacts/Debug/tolmvesk-librarian
scenarios=(dialogs library progress failure read-error)

if [[ -z "${SHOT_SCENARIO:-}" ]]; then
    bash scripts/install-deps.sh x11-apps imagemagick xdotool
    cmake --build build --target tolmvesk_librarian -j "$(nproc)"
    mkdir -p "$out"
    for language in en ja; do
        for scenario in "${scenarios[@]}"; do
            SHOT_SCENARIO=$scenario SHOT_LANGUAGE=$language \
                xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$out"
        done
    done
    exit 0
fi

# From here on: one session on the virtual display.
home=$(mktemp -d)
mkdir -p "$home/run"
locale=${SHOT_LANGUAGE}_$([[ $SHOT_LANGUAGE == ja ]] && echo JP || echo US).UTF-8
trap 'kill "$pid" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$home"' EXIT

start() {
    LANG=$locale LC_ALL=$locale HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/run" \
        "$librarian" --virtual-synth "$@" >"$home/log.txt" 2>&1 &
    pid=$!
    window=$(xdotool search --sync --name "TolmVESK" | head -1)
    xdotool windowfocus --sync "$window"
}

snap() {
    sleep "${2:-1}"
    # Without a window manager or compositor, an X event that arrives while
    # a dialog runs can wait in the queue until the next one: a small mouse
    # move delivers it, as any pointer motion on a desktop would.
    xdotool mousemove_relative 1 1 sleep 0.3 mousemove_relative -- -1 -1
    sleep 0.5
    xwd -root -silent | convert xwd:- "$out/$1-$SHOT_LANGUAGE.png"
    echo "$out/$1-$SHOT_LANGUAGE.png"
}

press() {
    xdotool key "$@"
}

# Clicks a point given relative to the main window's top left corner.
click() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
}

# Clicks the focused dialog's button whose centre lies this far from the
# dialog's left and bottom edges: the title bar's height does not matter.
click_dialog() {
    local dialog height
    dialog=$(xdotool getwindowfocus)
    height=$(xdotool getwindowgeometry --shell "$dialog" | sed -n 's/^HEIGHT=//p')
    xdotool mousemove --window "$dialog" "$1" $((height - $2)) click 1
}

case $SHOT_SCENARIO in
    dialogs)
        start
        snap main-window 4
        press ctrl+comma
        snap preferences
        press Escape
        press ctrl+t
        snap write-warning
        press Escape
        click 350 12
        snap option-menu
        press Up Return
        snap about 2
        xdotool mousemove 640 400 click 1
        press ctrl+n
        snap alert-yes-no-cancel
        press Escape
        ;;
    library)
        # Positions inside the main window: the menu bar is 24 high, the
        # header 60, the list's column header 28 and each row 25.
        start
        sleep 4
        click 120 174
        snap favorites-page
        xdotool mousemove --window "$window" 120 174 mousedown 1
        for y in 190 220 260 300 324; do
            xdotool mousemove --window "$window" 130 "$y"
            sleep 0.2
        done
        snap drag-in-progress
        xdotool mouseup 1
        click 890 68
        snap information-page
        press ctrl+p
        snap preset-window 2
        ;;
    progress)
        start --paced
        snap communication-in-progress 3
        ;;
    failure)
        start --write-protect
        sleep 4
        press ctrl+t
        sleep 1
        click_dialog 324 26
        snap communication-failure 4
        ;;
    read-error)
        head -c 3000 /dev/urandom >"$home/Damaged.tvlib"
        start "$home/Damaged.tvlib"
        snap alert-read-error 3
        ;;
esac
