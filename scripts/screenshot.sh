#!/usr/bin/env bash
# Photographs the librarian on a virtual display, in English and in Japanese,
# on the built-in emulated synthesizer, so that a change to anything visible
# can be looked at without a desktop. Pictures go to build/screenshots/ (or
# the folder given); each run starts from fresh preferences.
#
#   SHOT_DELAY  seconds between start and picture (default 4)
set -euo pipefail
cd "$(dirname "$0")/.."

out=${1:-build/screenshots}
delay=${SHOT_DELAY:-4}
librarian=build/src/tolmvesk_librarian_artefacts/Debug/tolmvesk-librarian

bash scripts/install-deps.sh x11-apps imagemagick
cmake --build build --target tolmvesk_librarian -j "$(nproc)"
mkdir -p "$out"

shoot() {
    local name=$1 language=$2
    local home
    home=$(mktemp -d)
    mkdir -p "$home/run"
    cat >"$home/shoot.sh" <<SHOT
#!/usr/bin/env bash
LANG=$language LC_ALL=$language HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/run" \
    "$librarian" --virtual-synth >"$home/log.txt" 2>&1 &
sleep $delay
xwd -root -silent | convert xwd:- "$out/$name.png"
kill %1
SHOT
    chmod +x "$home/shoot.sh"
    xvfb-run -a -s "-screen 0 1280x800x24" "$home/shoot.sh"
    rm -rf "$home"
    echo "$out/$name.png"
}

shoot main-window-en en_US.UTF-8
shoot main-window-ja ja_JP.UTF-8
