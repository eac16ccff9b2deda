#!/usr/bin/env bash
# The installed program as a court office gets it: `cmake --install` into an empty prefix, the
# desktop files validated, then the installed program started on a virtual screen (Xvfb) with an
# empty home and a calculation file on its command line. The first run asks to install the tables;
# the test answers "Sim" with the keyboard, the download program installs them and starts the
# program again with the file, and the file must show in its calculator: the calculator names the
# opened file in its window title, which the test reads from the X server (xdotool).
#   bash tests/install/installed_program_test.sh BUILD_FOLDER SOURCE_FOLDER
set -euo pipefail
BUILD=$(cd "$1" && pwd)
SOURCE=$(cd "$2" && pwd)

for tool in xvfb-run xdotool desktop-file-validate appstreamcli update-mime-database; do
    if ! command -v "$tool" >/dev/null; then
        echo "installed_program_test: $tool is missing (bash scripts/setup.sh installs it)." >&2
        exit 1
    fi
done

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
PREFIX=$WORK/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null

# The layout: the programs on PATH, the download program out of it, the tables found from it.
for f in bin/ruvivavu bin/ruvivavu-cli libexec/ruvivavu/download share/ruvivavu/data/lista.tab \
         share/ruvivavu/data/images/index.htm share/applications/br.com.quorvel.Ruvivavu.desktop \
         share/metainfo/br.com.quorvel.Ruvivavu.metainfo.xml share/mime/packages/ruvivavu.xml \
         share/icons/hicolor/scalable/apps/ruvivavu.svg share/icons/hicolor/48x48/apps/ruvivavu.png; do
    [[ -e $PREFIX/$f ]] || fail "$f is not installed"
done
[[ ! -e $PREFIX/bin/download ]] || fail "the download program is installed on PATH"
[[ ! -e $PREFIX/bin/shipped-data.path && ! -e $PREFIX/libexec/ruvivavu/shipped-data.path ]] ||
    fail "the build tree's marker is installed"

# The installed command-line tool finds its PDF library (Qt is loaded only for a PDF).
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$PREFIX/bin/ruvivavu-cli" --dados "$SOURCE/data" \
    --pdf "$WORK/bresser.pdf" "$SOURCE/examples/bresser.e12" || fail "the installed tool wrote no PDF"
[[ $(head -c 5 "$WORK/bresser.pdf") == %PDF- ]] || fail "the installed tool's PDF is no PDF"

desktop-file-validate "$PREFIX/share/applications/br.com.quorvel.Ruvivavu.desktop"
appstreamcli validate --no-net "$PREFIX/share/metainfo/br.com.quorvel.Ruvivavu.metainfo.xml"
# The types file must compile, and every type the menu entry claims must come out of it.
update-mime-database "$PREFIX/share/mime"
for type in $(sed -n 's/^MimeType=//p' "$PREFIX/share/applications/br.com.quorvel.Ruvivavu.desktop" | tr ';' ' '); do
    [[ -f $PREFIX/share/mime/$type.xml ]] || fail "the MIME type $type is not defined"
done
for ext in e12 e20 ex20 fg jfgts; do
    grep -q "\*\.$ext\$" "$PREFIX/share/mime/globs" || fail "no MIME type for .$ext"
done

# An empty home: nothing of the user's, no tables yet. The calculation files sit in a folder
# whose name has a blank and an accent, as court offices name their folders.
export HOME=$WORK/home
mkdir -p "$HOME" "$WORK/cálculos da vara"
unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME QT_QPA_PLATFORM
cp "$SOURCE/examples/bresser.e12" "$SOURCE/examples/fgts_verao_collor.fg" "$WORK/cálculos da vara/"
cd "$WORK"

cat > "$WORK/session.sh" <<'SESSION'
set -euo pipefail
PREFIX=$1
FILES=$2
DATA=$HOME/.local/share/Quorvel/zurivodo
fail() { echo "FAIL: $*" >&2; exit 1; }
# Waits for a window whose title matches (a regular expression); prints its id.
window() {
    for _ in $(seq 1 ${2:-300}); do
        if id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) && [[ -n $id ]]; then
            echo "$id"
            return 0
        fi
        sleep 0.2
    done
    return 1
}

"$PREFIX/bin/ruvivavu" "$FILES/bresser.e12" >"$HOME/first.log" 2>&1 &
question=$(window '^Ruvivavu da Dudovizu$') || fail "the first run did not ask to install the tables"
[[ ! -e $DATA/lista.tab ]] || fail "the tables were there before the first run"
# "Sim" is the default button. On a loaded machine a key may reach the box before it takes the
# focus: press again while the question is still on screen.
for _ in $(seq 1 20); do
    xdotool windowfocus --sync "$question" 2>/dev/null || true
    xdotool key --clearmodifiers Return 2>/dev/null || true
    sleep 0.5
    xdotool search --onlyvisible --name '^Ruvivavu da Dudovizu$' >/dev/null 2>&1 || break
done

savings=$(window '^Ruvivavu da Dudovizu - bresser\.e12$' 600) ||
    fail "the program did not come back with bresser.e12 open in the daily-savings calculator"
[[ -f $DATA/lista.tab && -f $DATA/zurivodo13.tab && -f $DATA/images/index.htm ]] ||
    fail "the first run did not install the tables into $DATA"

# With the tables in place the program asks nothing and opens the file straight away.
"$PREFIX/bin/ruvivavu" "$FILES/fgts_verao_collor.fg" >"$HOME/second.log" 2>&1 &
window '^Expurgos FGTS - fgts_verao_collor\.fg$' >/dev/null ||
    fail "fgts_verao_collor.fg did not open in the FGTS purge calculator"
# No message box is left on screen (it would be captioned with the bare program name).
sleep 1
if xdotool search --onlyvisible --name '^Ruvivavu da Dudovizu$' >/dev/null 2>&1; then
    fail "a message box is open"
fi
echo "installed program: first run, tables and both calculation files as expected"
# Ending the X session ends the programs with it.
SESSION

xvfb-run -a -s "-screen 0 1280x1024x24" bash "$WORK/session.sh" "$PREFIX" "$WORK/cálculos da vara"
