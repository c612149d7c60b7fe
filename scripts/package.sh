#!/bin/sh
# Builds the Debian package of Zenkoru and installs it (as root directly,
# otherwise through sudo); the game then starts from the desktop menu.
#   scripts/package.sh              build and install
#   scripts/package.sh --no-install only build build-package/zenkoru_*.deb
set -eu
cd "$(dirname "$0")/.."
scripts/setup.sh --test
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DZK_BENCH=OFF >/dev/null
cmake --build build-package -j"$(nproc)"
(cd build-package && cpack -G DEB)
deb=$(ls build-package/zenkoru_*.deb)
[ "${1:-}" = "--no-install" ] && exit 0
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
$sudo apt-get install -y "./$deb"
