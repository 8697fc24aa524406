# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Sourced by the scripts that work in a Debian 13 system of their own, never
# run; sources common.sh. Such a system is a root: a folder holding Debian 13,
# made with debootstrap from this machine's own Debian mirror and kept in the
# cache beside Qt's builds, outside the clone. Sourcing it only sets these.
#   $tessel_cache            the cache outside the clone: Qt's builds, the
#                            roots
#   $roots                   the folder of the roots
#   base_root                prints the pristine root, made on first use:
#                            minbase, with deb and deb-src entries for trixie,
#                            trixie-updates and trixie-security
#   fresh_root NAME          prints $roots/NAME, made anew as a copy of the
#                            base
#   in_root ROOT USER DIR... -- CMD...
#                            runs CMD in ROOT as USER ("uid:gid"), in the
#                            caller's folder (the first DIR when the root has
#                            no such folder), with /proc, /sys, /dev and each
#                            DIR mounted at its own path; the mounts live in a
#                            mount namespace of their own and end with CMD.
#                            Of the environment only SOURCE_DATE_EPOCH goes
#                            in, which strip and rcc write into what they make
#   root_packages ROOT PKG...
#                            reads the archive's lists into ROOT when they are
#                            an hour old, and installs those of PKG it lacks
#   remove_root ROOT         removes ROOT, which nothing may have mounted
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
tessel_cache="${XDG_CACHE_HOME:-$HOME/.cache}/neattessel"
roots="$tessel_cache/roots"

# The archive this machine installs from, as apt names it: "main" gives the
# one of the release's own suites, "security" the one of its security suite.
mirror_of() {
    local uri
    # shellcheck disable=SC2016 # apt's own placeholders
    uri=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 2>/dev/null \
        | awk -v kind="$1" '(kind == "security") == ($2 ~ /-security$/) { print $1; exit }')
    if [ -z "$uri" ]; then
        [ "$1" = security ] && uri=http://deb.debian.org/debian-security || uri=http://deb.debian.org/debian
    fi
    echo "${uri%/}"
}

base_root() {
    local base="$roots/debian-13"
    if [ ! -f "$base/etc/apt/sources.list.d/debian.sources" ]; then
        mapfile -t missing < <(missing_packages debootstrap)
        install_packages "${missing[@]}"
        echo "Making a Debian 13 root in $base" >&2
        as_root rm -rf --one-file-system "$base.partial"
        as_root mkdir -p "$roots"
        as_root debootstrap --variant=minbase trixie "$base.partial" "$(mirror_of main)" \
            >"$roots/debootstrap.log" 2>&1 || { tail -n 20 "$roots/debootstrap.log" >&2; return 1; }
        as_root rm -f "$base.partial/etc/apt/sources.list"
        as_root tee "$base.partial/etc/apt/sources.list.d/debian.sources" >/dev/null <<SOURCES
Types: deb deb-src
URIs: $(mirror_of main)
Suites: trixie trixie-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb deb-src
URIs: $(mirror_of security)
Suites: trixie-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
        as_root rm -rf "$base.partial/var/cache/apt/archives/"*.deb
        as_root mv "$base.partial" "$base"
    fi
    echo "$base"
}

fresh_root() {
    local target="$roots/$1" base
    base=$(base_root)
    remove_root "$target"
    as_root cp -a "$base" "$target"
    echo "$target"
}

# Runs in the new mount namespace, as root: mounts, then enters the root.
enter_root() {
    local target="$1" user="$2" first="$3"
    shift 2
    mount -t proc proc "$target/proc"
    mount --rbind /sys "$target/sys"
    mount --rbind /dev "$target/dev"
    cp /etc/resolv.conf "$target/etc/resolv.conf"
    while [ "$1" != -- ]; do
        mkdir -p "$target$1"
        mount --bind "$1" "$target$1"
        shift
    done
    shift
    # The command starts in the caller's folder, or in the first folder
    # mounted when the caller's is not in the root.
    # shellcheck disable=SC2016 # expanded by the shell in the root
    chroot --userspec="$user" "$target" env -i HOME="$HOME" XDG_CACHE_HOME="${XDG_CACHE_HOME:-}" \
        ${SOURCE_DATE_EPOCH:+SOURCE_DATE_EPOCH="$SOURCE_DATE_EPOCH"} \
        PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 TESSEL_ROOT="$target" \
        bash -c '{ cd "$1" 2>/dev/null || cd "$2"; } && shift 2 && exec "$@"' _ "$PWD" "$first" "$@"
}

in_root() {
    local target="$1"
    shift
    as_root env HOME="$HOME" XDG_CACHE_HOME="${XDG_CACHE_HOME:-$HOME/.cache}" \
        ${SOURCE_DATE_EPOCH:+SOURCE_DATE_EPOCH="$SOURCE_DATE_EPOCH"} unshare --mount --propagation private \
        bash -c "$(declare -f enter_root); enter_root \"\$@\"" _ "$target" "$@"
}

# Runs in a root, as root.
update_and_install() {
    local stamp=/var/lib/apt/lists/neattessel-read
    if [ -z "$(find "$stamp" -mmin -60 2>/dev/null)" ]; then
        apt-get update -q
        touch "$stamp"
    fi
    mapfile -t missing < <(missing_packages "$@")
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
        apt-get clean
    fi
}

root_packages() {
    local target="$1"
    shift
    (cd / && in_root "$target" 0:0 -- \
        bash -c "$(declare -f missing_packages update_and_install); update_and_install \"\$@\"" _ "$@") >&2
}

remove_root() {
    [ -e "$1" ] || return 0
    # Only a root that nothing holds mounted is removed: never what a mount
    # would reach through it.
    if findmnt -rn -o TARGET | grep -q "^$1/"; then
        echo "$1 still has mounts; not removing it" >&2
        return 1
    fi
    as_root rm -rf --one-file-system "$1"
}
