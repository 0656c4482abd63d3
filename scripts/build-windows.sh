#!/usr/bin/env bash
# Builds ZRX PC Encoder for 64-bit Windows on this Debian machine, with
# Debian's mingw-w64 cross compiler:
#
#   build/windows/out/              Program.exe, zrx.exe, the language
#                                   libraries, Default.sin, Program.ini, the
#                                   help files, and the tests' programs
#   build/windows/ZrxPcEncoder-<version>-windows-x64.zip
#                                   that folder with the Qt DLLs and plugins
#                                   it needs, ready to unpack and run
#   build/windows/ZrxPcEncoder-<version>-windows-x64-setup.exe
#                                   the installer (Start-menu entry, uninstaller)
#
# What Windows needs and Debian does not package for it (Qt 6, GoogleTest,
# chmlib) is cross-built from Debian's own sources into a cache outside the
# clone, which later runs reuse:
#   ZRX_WINDOWS_CACHE  (default: ~/.cache/zrx-pc-encoder-windows)
# The first run takes about 25 minutes on two cores; later runs only build
# the project.
#
# Usage: scripts/build-windows.sh [--deps-only] [--no-package]
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD

deps_only=0
package=1
for arg in "$@"; do
    case "$arg" in
        --deps-only) deps_only=1 ;;
        --no-package) package=0 ;;
        *) echo "usage: $0 [--deps-only] [--no-package]" >&2; exit 2 ;;
    esac
done

scripts/setup.sh --windows

cache=${ZRX_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zrx-pc-encoder-windows}
mkdir -p "$cache"
cache=$(cd "$cache" && pwd)
jobs=$(nproc)

# The toolchain file is copied into the cache: Qt records its path in the
# toolchain it installs, and that path must outlive this clone.
toolchain=$cache/mingw-w64-x86_64.cmake
if ! cmp -s cmake/toolchains/mingw-w64-x86_64.cmake "$toolchain"; then
    cp cmake/toolchains/mingw-w64-x86_64.cmake "$toolchain"
fi

step() { echo "=== windows: $*"; }

# A stamp names what a dependency was built from: its source version and a
# hash of how it was built (configure options, compiler flags, patches, the
# toolchain file), so that a changed version, a changed option or a
# half-finished build is built again.
built() { [[ -f "$cache/$1.stamp" && "$(cat "$cache/$1.stamp")" == "$2" ]]; }
mark_built() { echo "$2" >"$cache/$1.stamp"; }
stamp() { # version, then every option the build depends on
    local version=$1
    shift
    echo "$version $(printf '%s\n' "$@" | sha256sum | cut -c1-16)"
}

# Debian's source packages, fetched through a source list of our own so that
# the system's apt configuration is never touched.
apt_dir=$cache/apt
apt_options=(
    -o "Dir::Etc::SourceList=$apt_dir/sources.list"
    -o "Dir::Etc::SourceParts=/dev/null"
    -o "Dir::State::Lists=$apt_dir/lists"
    -o "Dir::Cache=$apt_dir/cache"
    -o "Debug::NoLocking=1"
    -o "APT::Sandbox::User=$(id -un)"
)
apt_updated=0
fetch_source() { # package -> prints the unpacked folder
    local package=$1 dir=$cache/src/$1
    if [[ ! -f "$dir/.unpacked" ]]; then
        if ((apt_updated == 0)); then
            mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
            cat >"$apt_dir/sources.list" <<'EOF'
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main
EOF
            apt-get "${apt_options[@]}" update -qq >&2
            apt_updated=1
        fi
        rm -rf "$dir" && mkdir -p "$dir"
        (cd "$dir" && apt-get "${apt_options[@]}" source -qq "$package" >&2)
        touch "$dir/.unpacked"
    fi
    find "$dir" -mindepth 1 -maxdepth 1 -type d -name "*-*" | head -n 1
}
source_version() { # unpacked folder -> its Debian version
    dpkg-parsechangelog -l "$1/debian/changelog" -S Version
}

build_qtbase() {
    local src version
    src=$(fetch_source qt6-base)
    version=$(source_version "$src")
    # Only what the program and its tests use is built. The tablet-event
    # feature is switched off because Debian's repacked source lacks the
    # third-party headers it needs; OpenGL and Direct2D stay on, as Qt 6.4's
    # Windows platform plugin does not compile without the one, nor its
    # print support link without the other.
    local options=(
        -DCMAKE_TOOLCHAIN_FILE="$toolchain"
        -DCMAKE_BUILD_TYPE=Release
        -DCMAKE_INSTALL_PREFIX="$cache/qt"
        -DQT_HOST_PATH=/usr
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
        -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
        -DFEATURE_vulkan=OFF -DFEATURE_concurrent=OFF
        -DFEATURE_xml=OFF -DFEATURE_tabletevent=OFF
        -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF
        -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF
        -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
        -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_md4c=OFF
        -DFEATURE_system_libb2=OFF -DFEATURE_zstd=OFF
        -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
        -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF
    )
    # The toolchain file's compiler and linker flags go into Qt's DLLs too.
    local wanted
    wanted=$(stamp "$version" "${options[@]}" "$(cat "$toolchain")")
    built qtbase "$wanted" && return 0
    step "Qt $version for Windows (about 20 minutes on two cores)"
    rm -rf "$cache/build/qtbase" "$cache/qt"
    cmake -S "$src" -B "$cache/build/qtbase" -G Ninja "${options[@]}" \
        >"$cache/qtbase-configure.log" 2>&1 ||
        { tail -n 40 "$cache/qtbase-configure.log"; return 1; }
    cmake --build "$cache/build/qtbase" -j "$jobs" >"$cache/qtbase-build.log" 2>&1 ||
        { tail -n 40 "$cache/qtbase-build.log"; return 1; }
    cmake --install "$cache/build/qtbase" >/dev/null
    # Qt's DLLs load mingw's thread library (and, in a cache built before
    # plugins linked the C++ runtime in, the runtime); beside them, one
    # WINEPATH entry serves the tests.
    cp /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$cache/qt/bin/"
    # Qt's Chinese texts where this Qt looks for them (the build machine's
    # catalogues: .qm files are the same on every system).
    mkdir -p "$cache/qt/translations"
    cp /usr/share/qt6/translations/qtbase_zh_CN.qm /usr/share/qt6/translations/qtbase_zh_TW.qm \
        "$cache/qt/translations/"
    rm -rf "$cache/build/qtbase"
    mark_built qtbase "$wanted"
}

build_googletest() {
    local version
    version=$(dpkg-query -W -f='${Version}' googletest)
    local options=(
        -DCMAKE_TOOLCHAIN_FILE="$toolchain"
        -DCMAKE_BUILD_TYPE=Release
        -DCMAKE_INSTALL_PREFIX="$cache/googletest"
        -Dgtest_disable_pthreads=OFF
    )
    local wanted
    wanted=$(stamp "$version" "${options[@]}" "$(cat "$toolchain")")
    built googletest "$wanted" && return 0
    step "GoogleTest $version for Windows"
    rm -rf "$cache/build/googletest" "$cache/googletest"
    cmake -S /usr/src/googletest -B "$cache/build/googletest" -G Ninja "${options[@]}" \
        >"$cache/googletest.log" 2>&1 &&
        cmake --build "$cache/build/googletest" -j "$jobs" >>"$cache/googletest.log" 2>&1 &&
        cmake --install "$cache/build/googletest" >/dev/null ||
        { tail -n 40 "$cache/googletest.log"; return 1; }
    rm -rf "$cache/build/googletest"
    mark_built googletest "$wanted"
}

# chmlib is two C files; the help window's helper reads .chm files with it.
build_chmlib() {
    local src version
    src=$(fetch_source chmlib)
    version=$(source_version "$src")
    # chmlib opens a help file on Windows with no sharing at all: a second
    # reader of the same file (a second program, or the test reading the
    # guide it compares against) would be refused. Readers share.
    # shellcheck disable=SC2016 # $1 is perl's, not the shell's
    local sharing='s/(CreateFileA\(filename,\s*GENERIC_READ,\s*)0,/$1FILE_SHARE_READ,/'
    local flags=(-O2 -w)
    local wanted
    wanted=$(stamp "$version" "$sharing" "${flags[@]}")
    built chmlib "$wanted" && return 0
    step "chmlib $version for Windows"
    local out=$cache/chmlib
    rm -rf "$out" && mkdir -p "$out/include" "$out/lib" "$cache/build/chmlib"
    perl -0pi -e "$sharing" "$src/src/chm_lib.c"
    perl -0ne 'exit(/CreateFileA\(filename,\s*GENERIC_READ,\s*FILE_SHARE_READ,/ ? 0 : 1)' \
        "$src/src/chm_lib.c"
    for file in chm_lib lzx; do
        x86_64-w64-mingw32-gcc-posix "${flags[@]}" -c "$src/src/$file.c" -o "$cache/build/chmlib/$file.o"
    done
    x86_64-w64-mingw32-ar rcs "$out/lib/libchm.a" "$cache/build/chmlib"/*.o
    cp "$src/src/chm_lib.h" "$out/include/"
    rm -rf "$cache/build/chmlib"
    mark_built chmlib "$wanted"
}

# CLI11 is a header-only library: Debian's copy serves both builds, placed
# where the cross build looks for packages.
copy_cli11() {
    local out=$cache/cli11
    if [[ ! -f "$out/share/cmake/CLI11/CLI11Config.cmake" ]]; then
        mkdir -p "$out/include" "$out/share/cmake"
        cp -r /usr/include/CLI "$out/include/"
        cp -r /usr/share/cmake/CLI11 "$out/share/cmake/"
    fi
}

build_qtbase
build_googletest
build_chmlib
copy_cli11
((deps_only)) && exit 0

step "configure and build"
# The build runs one of its programs (the one that makes Default.sin) under
# Wine, in a prefix kept in the cache.
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
start_wine "$cache/wine"
trap stop_wine EXIT
ZRX_WINDOWS_CACHE=$cache cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"

((package)) || exit 0
step "zip and installer"
cmake -DBUILD_DIR="$repo/build/windows" -DQT_DIR="$cache/qt" -P dist/windows/package.cmake
