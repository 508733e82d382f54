#!/usr/bin/env bash
# Installs the Debian packages the librarian needs to build and test, and any
# further packages named as arguments (the fuzzers' compiler, for example).
# Idempotent: packages already installed are left alone, and nothing is
# fetched when everything is present.
set -euo pipefail

packages=(
    build-essential
    cmake
    pkg-config
    juce-modules-source
    libgtest-dev
    libgmock-dev
    libbenchmark-dev
    libasound2-dev
    libcurl4-gnutls-dev
    libfreetype-dev
    libfontconfig1-dev
    libx11-dev
    libxext-dev
    libxrandr-dev
    libxinerama-dev
    libxcursor-dev
    librsvg2-bin
    fonts-liberation
    fonts-ipafont-gothic
    xvfb
    xauth
    xdotool
    zip
    unzip
    python3
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
