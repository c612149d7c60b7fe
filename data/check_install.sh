#!/bin/sh
# check_install.sh BUILD_DIR: installs the build into a staging folder and
# checks it as a new user would meet it: the desktop entry and AppStream data
# validate, every file is in place, the Debian package declares its
# dependencies, and the installed program starts from an
# unrelated folder, finds its sound library, sounds and font, keeps its
# settings in the configuration folder and ends cleanly on Esc.
set -eu
build=$(cd "$1" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
stage=$tmp/stage
fail() { echo "install check: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$stage" >/dev/null
app=io.github.zenkoru.Zenkoru
desktop-file-validate "$stage/share/applications/$app.desktop"
appstreamcli validate --no-net "$stage/share/metainfo/$app.metainfo.xml"
for f in bin/zenkoru share/zenkoru/sounds/駒打音.wav share/zenkoru/sounds/BGM.wav \
    share/icons/hicolor/scalable/apps/$app.svg share/icons/hicolor/48x48/apps/$app.png \
    share/icons/hicolor/256x256/apps/$app.png share/man/man6/zenkoru.6.gz \
    bin/zenkoru-engine share/man/man6/zenkoru-engine.6.gz; do
    [ -f "$stage/$f" ] || fail "$f is not installed"
done
ls "$stage"/lib*/zenkoru/libZenkoru.so* >/dev/null 2>&1 ||
    ls "$stage"/lib/*/zenkoru/libZenkoru.so* >/dev/null 2>&1 || fail "the sound library is not installed"
grep -q '^Categories=Game;BoardGame;$' "$stage/share/applications/$app.desktop" || fail "categories"
grep -q '^Name\[ja\]=中将棋$' "$stage/share/applications/$app.desktop" || fail "Japanese name"

# The Debian package declares what the program loads at run time.
(cd "$build" && cpack -G DEB -B "$tmp/deb" >/dev/null)
depends=$(dpkg-deb -f "$tmp"/deb/zenkoru_*.deb Depends)
for p in libqt6widgets6 libsdl2-mixer-2.0-0 qt6-qpa-plugins fonts-ipafont-mincho; do
    echo "$depends" | grep -q "$p" || fail "the package does not depend on $p"
done

mkdir "$tmp/elsewhere"
cd "$tmp/elsewhere"
XDG_CONFIG_HOME=$tmp/config XDG_DATA_HOME=$tmp/data QT_QPA_PLATFORM=offscreen \
    SDL_AUDIODRIVER=dummy "$stage/bin/zenkoru" --check >"$tmp/out" 2>"$tmp/err" ||
    { cat "$tmp/out" "$tmp/err"; fail "the installed program did not start and end cleanly"; }
cat "$tmp/out"
grep -q '^sound library: started$' "$tmp/out" || fail "no sound library"
grep -q '^sounds: 4 of 4$' "$tmp/out" || fail "sounds missing"
[ -f "$tmp/config/zenkoru/Zenkoru.ini" ] || fail "settings not in the configuration folder"
[ -f "$tmp/config/zenkoru/window.conf" ] || fail "window size and place not kept"
[ ! -e "$tmp/elsewhere/Zenkoru.ini" ] || fail "settings written into the working folder"
[ -d "$tmp/data/zenkoru/棋譜" ] || fail "no folder for saved games"
echo "install check: passed"
