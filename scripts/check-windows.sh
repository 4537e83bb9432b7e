#!/usr/bin/env bash
# The code that only Windows builds use (the port driver, the file system, the platform code,
# the lock-key state) is kept honest on a Linux machine in two steps:
#   1. every source file of the Windows build is compiled with the MinGW-w64 cross compiler and
#      the project's warnings, as errors;
#   2. the tests of the Windows file system, platform code and port driver, and the core and
#      format tests that need no POSIX calls, are cross-built with the code they test and run
#      under Wine. The latter catch what the Windows ABI changes: a 32-bit long, another C
#      library, wide-character paths.
# The Qt and hidapi headers are the Linux ones: their declarations do not depend on the system.
set -euo pipefail

cd "$(dirname "$0")/.."
out=build/windows
cxx=x86_64-w64-mingw32-g++-posix
wine=/usr/lib/wine/wine64
if ! command -v "$cxx" >/dev/null 2>&1 || [ ! -x "$wine" ]; then
    scripts/install-deps.sh g++-mingw-w64-x86-64-posix wine64
fi

# The project's warning set, as CMake reads it, and its include folders.
mapfile -t warnings <cmake/ZeltWarningFlags.txt
includes=(-Icore -Icore/models -Iformats -Itransport -Itools/zelt-tool -Iui -Itests/support)

# hidapi and CLI11 live in /usr/include beside the Linux C library, which the cross compiler
# must not see; a folder of links offers them alone.
headers="$out/headers"
mkdir -p "$headers"
ln -sfn /usr/include/hidapi "$headers/hidapi"
ln -sfn /usr/include/CLI "$headers/CLI"
qt_flags=$(pkg-config --cflags Qt6Widgets | sed 's/-I/-isystem /g')

# Left out, as the CMake files leave them out of a Windows build: the Unix-socket simulator
# clients, the POSIX file system and the simulator program.
not_windows=(-e '/PosixFileSystem\.cpp$' -e '/SimHidBackend\.cpp$' -e '/SocketKbPortDriver\.cpp$'
    -e '/UnixSocket\.cpp$')
sources=$(find core formats transport tools/zelt-tool ui -name '*.cpp' | grep -v "${not_windows[@]}" |
    sort)
gtest=/usr/src/googletest/googletest
gmock=/usr/src/googletest/googlemock

# Runs "$CHECK_CXX $CHECK_FLAGS FILE" for each file on standard input, one per core; fails when
# any file fails.
compile_each() {
    # shellcheck disable=SC2016 # expanded by the inner shell
    xargs -P "$(nproc)" -n 1 bash -c \
        '$CHECK_CXX $CHECK_FLAGS "$0" || { echo "check-windows: $0 does not compile for Windows" >&2; exit 1; }'
}

echo "check-windows: compiling $(wc -w <<<"$sources") source files for Windows"
export CHECK_CXX="$cxx"
export CHECK_FLAGS="-std=c++20 -fsyntax-only ${warnings[*]} ${includes[*]} -isystem $headers -isystem $gtest/include -isystem $gmock/include $qt_flags"
windows_tests=(tests/core/WinFileSystemTest.cpp tests/transport/WinPlatformTest.cpp)
# Those that use POSIX calls (permissions, FIFOs, user ids) are left out.
mapfile -t portable_tests < <(find tests/core tests/formats -name '*Test.cpp' |
    grep -v -e '/Win' -e '/CZELTDocTest\.cpp$' -e '/TemplateFileTest\.cpp$' \
        -e '/TextTemplateFileTest\.cpp$' | sort)
printf '%s\n' $sources "${windows_tests[@]}" "${portable_tests[@]}" | compile_each

echo "check-windows: building the Windows tests"
objects="$out/objects"
mkdir -p "$objects"
tested_sources=$(printf '%s\n' $sources |
    grep -e '^core/' -e '^formats/' -e '^transport/PlatformCode\.cpp$' \
        -e '^transport/WinKbPortDriver\.cpp$')
export CHECK_FLAGS="-std=c++20 -O1 ${includes[*]} -I$gtest/include -I$gtest -I$gmock/include -I$gmock -c -o"
# Each object is named after its source, and rebuilt only when the source or a header is newer.
test_sources=($tested_sources "${windows_tests[@]}" "${portable_tests[@]}" "$gtest/src/gtest-all.cc"
    "$gmock/src/gmock-all.cc" "$gtest/src/gtest_main.cc")
newest_header=$(find core formats transport tests/support -name '*.h' -printf '%T@ %p\n' |
    sort -n | tail -n 1 | cut -d ' ' -f 2-)
test_objects=()
stale=()
for source in "${test_sources[@]}"; do
    object="$objects/$(basename "$source").o"
    test_objects+=("$object")
    if [ ! -f "$object" ] || [ "$source" -nt "$object" ] || [ "$newest_header" -nt "$object" ]; then
        stale+=("$object" "$source")
    fi
done
printf '%s\n' "${stale[@]}" | xargs -r -P "$(nproc)" -n 2 bash -c '$CHECK_CXX $CHECK_FLAGS "$0" "$1"'
"$cxx" -static -o "$out/win_tests.exe" "${test_objects[@]}"

echo "check-windows: running them under Wine"
# Root may write a read-only file under Wine, so root runs them as nobody, in a folder of its
# own; Windows itself refuses everybody.
run=$(mktemp -d)
trap 'rm -rf "$run"' EXIT
cp "$out/win_tests.exe" "$run/"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    chown nobody:nogroup "$run"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
"${as_user[@]}" env HOME="$run" WINEPREFIX="$run/wine" WINEDEBUG=-all \
    "$wine" "$run/win_tests.exe" --gtest_brief=1 2>&1 | grep -v '^wine: '
