#!/usr/bin/env bash
# Checks the Debian package as a packager and a user would, on this machine:
#   packaging/check-deb.sh [DEB]     (default: the package packaging/make-deb.sh made)
# 1. lintian finds no error (warnings and overrides are printed);
# 2. the desktop entry and the AppStream metadata validate with no warning, and
#    appstreamcli compose makes a catalogue of exactly one component from the package's files;
# 3. apt-get installs the package (with its dependencies), and its manual page says what
#    the installed program's --help says;
# 4. the installed program, started as the desktop entry says (its Exec in its Path) on a
#    private Xvfb, shows its main window within 30 s; then it is ended.
# With ZBIRNIK_SHOT=FILE.png, the screen is saved there once the window is up (needs
# ImageMagick's import).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_missing_packages "${PACKAGE_CHECK_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
deb=$(realpath "${1:-$(ls -t build/package/zbirnik_*.deb | head -n 1)}")
app_id=org.example.Zbirnik
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

step() { echo "== $1"; }

step "lintian $(basename "$deb")"
lintian --fail-on error --display-info --show-overrides "$deb"

step "desktop entry and AppStream metadata"
dpkg-deb -x "$deb" "$work/root"
desktop_warnings=$(desktop-file-validate "$work/root/usr/share/applications/$app_id.desktop")
[ -z "$desktop_warnings" ] || { echo "$desktop_warnings"; exit 1; }
echo "desktop entry: valid"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/$app_id.metainfo.xml"
appstreamcli compose --no-net --origin=zbirnik --result-root="$work/compose" "$work/root"
components=$(zcat "$work/compose/usr/share/swcatalog/xml/zbirnik.xml.gz" | grep -c '<component ')
echo "catalogue components: $components"
[ "$components" -eq 1 ]

step "apt-get install"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >"$work/apt.log" ||
    { cat "$work/apt.log"; exit 1; }
dpkg-query -W -f='${Package} ${Version} ${Status}\n' zbirnik

step "manual page"
python3 packaging/manual-matches-help.py /usr/bin/zbirnik "$work/root/usr/share/man/man1/zbirnik.1.gz"

step "start from the desktop entry"
entry=/usr/share/applications/$app_id.desktop
# The command without its field codes (%f, %U, ...), as a launcher runs it with no files.
exec_line=$(sed -n 's/^Exec=//p' "$entry" | sed 's/ *%[fFuUdDnNickvm]//g')
path=$(sed -n 's/^Path=//p' "$entry")
echo "Exec=$exec_line Path=$path"
export ZBIRNIK_SHOT=${ZBIRNIK_SHOT:-}
# A private state folder: no recovery copy of the user's own is offered, and none is left.
export XDG_STATE_HOME="$work/state"
xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash -c '
    set -euo pipefail
    cd "$1"
    $2 &
    program=$!
    # The main window is titled Zbirnik; an error at start-up is a message box titled Greska.
    window=$(timeout 30 xdotool search --sync --onlyvisible --name "^(Zbirnik|Greska)$" | head -n 1) ||
        { echo "no window within 30 s" >&2; kill $program 2>/dev/null; exit 1; }
    title=$(xdotool getwindowname "$window")
    owner=$(xdotool getwindowpid "$window" || true)
    echo "window \"$title\" of process $owner (started: $program)," \
        "$(xdotool getwindowgeometry "$window" | sed -n "s/^ *Geometry: //p")"
    if [ -n "$ZBIRNIK_SHOT" ]; then
        sleep 1 # let the lists paint
        import -window root "$ZBIRNIK_SHOT"
    fi
    kill $program
    wait $program || true
    [ "$title" = Zbirnik ] || { echo "a window \"$title\" came up instead of the main window" >&2; exit 1; }
    [ "$owner" = "$program" ] || { echo "the window is not the started program'\''s" >&2; exit 1; }
' check "$path" "$exec_line"
echo "== the package passed every check"
