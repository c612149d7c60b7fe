#!/bin/sh
# Installs the Debian packages Zenkoru needs to build, run and test.
# Safe to run again: it installs only what is missing.
#   scripts/setup.sh          what the game needs
#   scripts/setup.sh --test   plus what the tests, benchmarks and fuzzers need
set -eu

packages="build-essential cmake pkg-config qt6-base-dev qt6-translations-l10n libsdl2-mixer-dev
    fonts-ipafont-mincho"
if [ "${1:-}" = "--test" ]; then
    packages="$packages libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
    desktop-file-utils appstream"
fi

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
        missing="$missing $p"
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
    sudo=""
else
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# shellcheck disable=SC2086
$sudo apt-get install -y -qq --no-install-recommends $missing
