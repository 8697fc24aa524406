# SPDX-License-Identifier: MIT
# shellcheck shell=bash disable=SC2034 # the paths are for the scripts that source this
# Sourced by the scripts of the Windows build, never run; sources
# debian13.sh. Where the build lives and is made, and how what it built runs
# under Wine. Sourcing it only sets these; each function reads nothing but its
# arguments and what this file and debian13.sh set.
#   $triplet, $toolchain     the MinGW-w64 target and its CMake toolchain file
#   $build_windows           the build folder, build-windows/
#   $shipped_qt              the Qt binaries the zip and the MSI ship, each as
#                            "<path in Qt's prefix>:<what it is>"
#   $wine_environment        the variables every Wine run gets: no debug
#                            output, no Mono or Gecko prompt
#   shipped_path ENTRY       prints the path in Qt's prefix of an entry of
#                            $shipped_qt (bin/Qt6Gui.dll)
#   shipped_name ENTRY       prints where the zip holds it (Qt6Gui.dll,
#                            platforms/qwindows.dll)
#   $windows_release         the Debian release that builds Qt and the
#                            program for Windows, "Debian 13": Qt's cross
#                            build needs host tools of its own version, and
#                            that release packages them
#   in_windows_root CMD...   runs CMD as the caller in the Debian 13 root
#                            where the Windows build is made, with the clone
#                            and the cache mounted (CMD itself when already
#                            in it); makes the root on first use and installs
#                            what building needs into it
#   host_cmake_dir           prints the folder of the host Qt's CMake files
#   cache_value NAME         prints the value of NAME in build-windows/'s
#                            CMake cache
#   package_name             prints the name of the zip's folder,
#                            neattessel-<version>-windows-x64
#   zip_path                 prints the path of the zip in build-windows/
#   use_wine_prefix DIR      points Wine at the prefix DIR (made on first use)
#                            with the display unset (GUI runs set their own
#                            with on_xvfb)
#   use_build_dlls QT        lets the programs of build-windows/ find Qt (the
#                            prefix QT) and its plugins where they were built
#                            (the zip carries its own copies instead); the
#                            MinGW runtime is linked into every binary, so
#                            nothing else is on the search path
#   zip_folder DIR NAME ZIP EPOCH
#                            zips the folder NAME inside DIR into ZIP so that
#                            the same files give the same bytes: entries in
#                            byte order of their names, each dated EPOCH (in
#                            seconds), no extra fields
source "$(dirname "${BASH_SOURCE[0]}")/debian13.sh"
triplet=x86_64-w64-mingw32
toolchain="$root/cmake/mingw-w64-x86_64.cmake"
build_windows="$root/build-windows"
shipped_qt=(
    "bin/Qt6Core.dll:Qt Core"
    "bin/Qt6Gui.dll:Qt GUI"
    "bin/Qt6Widgets.dll:Qt Widgets"
    "plugins/platforms/qwindows.dll:Windows 用プラットフォームプラグイン"
    "plugins/styles/qmodernwindowsstyle.dll:Windows 11 と Windows Vista のスタイル"
)
wine_environment=(WINEDEBUG=-all "WINEDLLOVERRIDES=mscoree,mshtml=")

windows_release="Debian 13"

in_windows_root() {
    if [ -n "${TESSEL_ROOT:-}" ]; then
        "$@"
        return
    fi
    local target="$roots/debian-13-windows"
    [ -d "$target" ] || as_root cp -a "$(base_root)" "$target"
    root_packages "$target" "${qt_mingw_packages[@]}"
    mkdir -p "$tessel_cache"
    in_root "$target" "$(id -u):$(id -g)" "$root" "$tessel_cache" -- "$@"
}

shipped_path() {
    echo "${1%%:*}"
}

shipped_name() {
    local path="${1%%:*}"
    path="${path#bin/}"
    echo "${path#plugins/}"
}

host_cmake_dir() {
    echo "/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null)/cmake"
}

cache_value() {
    sed -n "s/^$1:[A-Z]*=//p" "$build_windows/CMakeCache.txt"
}

package_name() {
    echo "neattessel-$(cache_value CMAKE_PROJECT_VERSION)-windows-x64"
}

zip_path() {
    echo "$build_windows/$(package_name).zip"
}

use_wine_prefix() {
    export WINEPREFIX="$1" "${wine_environment[@]}"
    unset DISPLAY
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Creating the Wine prefix $WINEPREFIX"
        wineboot --init >/dev/null 2>&1
        # Windows shows files whose names start with a dot; Wine hides them unless told.
        wine reg add 'HKCU\Software\Wine' /v ShowDotFiles /d Y /f >/dev/null 2>&1
        wineserver --wait
    fi
}

use_build_dlls() {
    local qt="$1"
    export WINEPATH="Z:${qt//\//\\}\\bin"
    export QT_PLUGIN_PATH="Z:$qt/plugins"
    # The offscreen plugin on Windows reads fonts from one folder only, not
    # from Windows: give it the Japanese and Latin fonts the Linux tests use.
    local fonts="$build_windows/fonts"
    mkdir -p "$fonts"
    ln -sf /usr/share/fonts/opentype/ipafont-gothic/*.ttf \
        /usr/share/fonts/truetype/liberation2/*.ttf "$fonts/"
    export QT_QPA_FONTDIR="Z:$fonts"
}

zip_folder() {
    local dir="$1" name="$2" zip_file="$3" epoch="$4"
    find "$dir/$name" -exec touch -h -d "@$epoch" {} +
    chmod -R u=rwX,go=rX "$dir/$name"
    rm -f "$zip_file"
    (cd "$dir" && find "$name" -type f | LC_ALL=C sort | TZ=UTC zip -q -X -9 -@ "$zip_file")
}
