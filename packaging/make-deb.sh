#!/usr/bin/env bash
# Makes the Debian package build/package/zbirnik_<version>_<arch>.deb from the program built
# in build/ (building it first only if it is missing or out of date): installs it under /usr
# into a staging folder with the binary stripped, adds the files Debian asks for (the
# copyright, the changelog, the lintian overrides, compressed documentation) and the
# control file with the dependencies that dpkg-shlibdeps finds. The debug symbols are left out.
# Prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
source scripts/hardening.sh
install_missing_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
debian=$PWD/packaging/debian

# The package's version is the program's: the changelog must have an entry for it.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/CMakeCache.txt 2>/dev/null || true)
if [ -z "$version" ]; then
    mapfile -t hardening < <(hardening_cmake_flags)
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${hardening[@]}" >/dev/null
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/CMakeCache.txt)
fi
changelog_version=$(dpkg-parsechangelog -l "$debian/changelog" -S Version)
if [ "$changelog_version" != "$version" ]; then
    echo "The program is version $version but packaging/debian/changelog starts at" \
        "$changelog_version: add a changelog entry for $version." >&2
    exit 1
fi
cmake --build build -j2 --target zbirnik >/dev/null

out=$PWD/build/package
stage=$out/root
rm -rf "$stage"
mkdir -p "$stage"
DESTDIR=$stage cmake --install build --prefix /usr --strip >/dev/null
# The compiler's notes are of no use in the package either.
strip --remove-section=.comment --remove-section=.note "$stage/usr/bin/zbirnik"

doc=$stage/usr/share/doc/zbirnik
install -d "$doc" "$stage/usr/share/lintian/overrides" "$stage/DEBIAN"
install -m 644 "$debian/copyright" "$doc/copyright"
gzip -9n <"$debian/changelog" >"$doc/changelog.gz"
gzip -9n "$stage/usr/share/man/man1/zbirnik.1"
install -m 644 "$debian/zbirnik.lintian-overrides" "$stage/usr/share/lintian/overrides/zbirnik"
find "$stage" -type d -exec chmod 755 {} +
find "$stage" -type f ! -path "$stage/usr/bin/*" -exec chmod 644 {} +

# dpkg-shlibdeps and dpkg-gencontrol read debian/control from the folder they run in.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ln -s "$debian" "$work/debian"
(
    cd "$work"
    dpkg-shlibdeps -T"$work/substvars" "$stage/usr/bin/zbirnik"
    dpkg-gencontrol -pzbirnik -P"$stage" -T"$work/substvars" -f"$work/files"
)
(cd "$stage" && find usr -type f -print0 | sort -z | xargs -0 md5sum >DEBIAN/md5sums)
chmod 644 "$stage/DEBIAN/control" "$stage/DEBIAN/md5sums"

deb=$out/zbirnik_${version}_$(dpkg --print-architecture).deb
dpkg-deb --root-owner-group -Zxz --build "$stage" "$deb" >/dev/null
echo "$deb"
