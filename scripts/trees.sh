# Sourced by test.sh and soak-tests.sh: the build trees of the tests and the Wine environment.
# Needs $top (the source folder) and $jobs.

# The native test trees start admin programs through a stand-in for pkexec.
standin_pkexec="-DTIPPOMAT_PKEXEC=$top/tests/helpers/pkexec"

build_native() {
  cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
    "$standin_pkexec"
  cmake --build "$top/build" -j "$jobs"
}

build_windows() {
  cmake -S "$top" -B "$top/build-win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_TESTING=ON -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake"
  cmake --build "$top/build-win" -j "$jobs"
}

# The native and Windows trees, made where they are missing; what a caller builds in them after
# that is its own choice.
make_missing_trees() {
  [ -f "$top/build/build.ninja" ] || build_native
  [ -f "$top/build-win/build.ninja" ] || build_windows
}

# The Qt-free tests once more with AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzz
# targets (clang).
build_checked() {
  cmake -S "$top" -B "$top/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_TESTING=ON -DTIPPOMAT_BUILD_UI=OFF -DTIPPOMAT_SANITIZE=ON "$standin_pkexec"
  cmake --build "$top/build-asan" -j "$jobs"
  cmake -S "$top" -B "$top/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DTIPPOMAT_FUZZ=ON -DTIPPOMAT_BUILD_UI=OFF
  cmake --build "$top/build-fuzz" -j "$jobs"
}

# A private 64-bit prefix in the Windows tree, made at its first use.
use_wine() {
  export WINEPREFIX="$top/build-win/wineprefix" WINEDEBUG=-all WINEARCH=win64 \
    WINEDLLOVERRIDES="mscoree,mshtml="
  [ -d "$WINEPREFIX" ] || wineboot -i >/dev/null 2>&1 || true
}
