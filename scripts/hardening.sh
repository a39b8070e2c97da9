# Debian's build flags with every hardening feature, as CMake arguments, for build/, the build
# that the Debian package is made from: fortify, stack protection, relro and bind-now (plain
# dpkg-buildflags leaves bind-now out). The sanitizer and fuzz builds keep their own flags.
# Sourced by test.sh, run.sh and packaging/make-deb.sh.
hardening_cmake_flags() {
    local get=(env DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get)
    echo "-DCMAKE_CXX_FLAGS=$("${get[@]}" CPPFLAGS) $("${get[@]}" CXXFLAGS)"
    echo "-DCMAKE_EXE_LINKER_FLAGS=$("${get[@]}" LDFLAGS)"
}
