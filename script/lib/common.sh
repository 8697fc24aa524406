# SPDX-License-Identifier: MIT
# shellcheck shell=bash disable=SC2034 # the paths and package lists are for the scripts that source this
# Sourced by the scripts of script/, never run: where things are, the package
# lists, and the steps that several scripts share. Sourcing it only sets
# these; each function reads nothing but its arguments and what this file
# sets.
#   use_utf8_locale          exports LANG and LC_ALL as C.UTF-8, so that what
#                            a script runs behaves and reports the same
#                            whatever the caller's locale
#   as_root CMD...           runs CMD as root, through sudo when needed
#   missing_packages PKG...  prints those of PKG not installed yet, one a line
#   install_packages PKG...  installs PKG with apt-get (nothing when none)
#   configure [--again] DIR ARG...
#                            configures the CMake build folder DIR with Ninja
#                            once, and again with --again (after an install)
#   on_xvfb CMD...           runs CMD on a virtual X display of its own

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="$root/build"

# What building the program needs on any target, and the fonts its windows
# are drawn in: a Japanese Gothic, and the metrics of Times New Roman for the
# header.
build_packages=(cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools)
font_packages=(fonts-ipafont-gothic fonts-liberation2)
program_packages=("${build_packages[@]}" g++ libgl-dev qt6-qpa-plugins "${font_packages[@]}")
# QtSvg renders the shipped PNGs from their SVG sources and checks them.
# Held keys: Qt's platform entry point, and a real X server with XTest; a
# failed sync: a FUSE file system that fails it.
test_packages=(
    "${program_packages[@]}" qt6-svg-dev libqt6svg6
    qt6-base-private-dev xvfb xauth xdotool fuse3 python3-fusepy
)
# bench_startup watches windows appear on a virtual X display.
bench_packages=("${test_packages[@]}" libbenchmark-dev libxcb-damage0-dev)
fuzz_packages=("${program_packages[@]}" clang libclang-rt-dev)
package_packages=(dpkg-dev debhelper lintian)
# Qt for MinGW and the program are cross-built in a Debian 13 root, from
# Debian's source package with the root's Qt tools.
qt_mingw_packages=(
    "${build_packages[@]}" dpkg-dev xz-utils patch
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
)
# What this machine needs to make that root, to look into what was built,
# to pack it and to run it under Wine. The title and button pictures hold
# DejaVu's outlines: the zip carries the fonts' licence from their package.
windows_packages=(
    debootstrap binutils-mingw-w64-x86-64 "${font_packages[@]}" fonts-dejavu-core
    file zip unzip wine wine64 xvfb xauth x11-utils xdotool wixl msitools faketime
)

use_utf8_locale() {
    export LANG=C.UTF-8 LC_ALL=C.UTF-8
}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        echo "Installing packages needs root: run this as root or install sudo." >&2
        exit 1
    fi
}

missing_packages() {
    local package status
    for package in "$@"; do
        status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
        [ "$status" = "install ok installed" ] || echo "$package"
    done
}

install_packages() {
    if [ $# -gt 0 ]; then
        echo "Installing: $*"
        as_root apt-get update -q
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$@"
    fi
}

# Configured again after an install, so that a build folder first made for
# the program alone finds QtSvg or the benchmark library once it is there.
configure() {
    local again=""
    if [ "$1" = --again ]; then
        again=yes
        shift
    fi
    local dir="$1"
    shift
    if [ ! -f "$dir/CMakeCache.txt" ] || [ -n "$again" ]; then
        cmake -S "$root" -B "$dir" -G Ninja "$@"
    fi
}

xvfb_options=(--auto-servernum --server-args="-screen 0 1280x1024x24")
on_xvfb() {
    xvfb-run "${xvfb_options[@]}" "$@"
}
