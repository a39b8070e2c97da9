# Installs the Debian packages given as arguments that are not installed yet, with sudo
# when not root. Sourced by run.sh and test.sh.
install_missing_packages() {
    local missing=()
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# qt6-translations-l10n: Qt's own texts (message box buttons, the file dialog) in Croatian.
# dpkg-dev: dpkg-buildflags gives Debian's hardening flags for build/.
BUILD_PACKAGES=(cmake make g++ pkg-config qt6-base-dev libgl-dev libbenchmark-dev fonts-liberation2
                qt6-translations-l10n dpkg-dev)
# The fuzzers need clang with its sanitizer and libFuzzer run-time.
FUZZ_PACKAGES=(clang-14 libclang-rt-14-dev)
# The end-to-end tests run the real program under Xvfb and drive it with xdotool; one reads it
# as a screen reader does, through AT-SPI on a D-Bus session of its own, and one asks whether
# it answers the window manager's ping (python3-xlib).
TEST_PACKAGES=(xvfb xauth xdotool python3 dbus at-spi2-core python3-pyatspi python3-xlib)
# The Debian package is made with dpkg-dev's tools and checked with lintian, man, the desktop
# entry validator and AppStream's validator and catalogue composer.
PACKAGE_PACKAGES=(dpkg-dev)
PACKAGE_CHECK_PACKAGES=(lintian desktop-file-utils appstream appstream-compose man-db)
