# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Sourced by script/test-windows and script/test-msi, never run; sources
# windows.sh. The trial runs of the Windows program under Wine on a virtual
# X display, as a user starts it. Sourcing it only defines these; both run
# under Xvfb, and are handed to a shell of another user with declare -f.
#   wait_for_main_window     waits up to two minutes for the program's main
#                            window; fails if it does not show
#   start_and_save_template EXE STORE
#                            starts EXE (making the Wine prefix first when it
#                            is new), clicks into its window, walks the wizard
#                            to its end and waits for the template it saves
#                            as STORE/.tmp
#   trial_home               makes the unprivileged user $trial_user when
#                            missing; prints the user's home
#   as_trial_user PREFIX CMD...
#                            runs CMD as $trial_user with the Wine prefix
#                            PREFIX, with nothing of this shell's environment
source "$(dirname "${BASH_SOURCE[0]}")/windows.sh"

trial_user=neattessel-trial

trial_home() {
    id "$trial_user" >/dev/null 2>&1 || useradd --create-home --shell /bin/bash "$trial_user"
    getent passwd "$trial_user" | cut -d: -f6
}

as_trial_user() {
    local prefix="$1" home
    shift
    home=$(getent passwd "$trial_user" | cut -d: -f6)
    runuser -u "$trial_user" -- env -i HOME="$home" USER="$trial_user" PATH="$PATH" LANG=C.UTF-8 \
        WINEPREFIX="$prefix" "${wine_environment[@]}" "$@"
}

wait_for_main_window() {
    for _ in $(seq 120); do
        xwininfo -root -tree 2>/dev/null | grep -q '"NeatTessel' && return 0
        sleep 1
    done
    return 1
}
# Enter on Next five times walks the wizard to its end and saves the
# answers as a template (the box is ticked at start).
start_and_save_template() {
    local exe="$1" store="$2"
    [ -f "$WINEPREFIX/system.reg" ] || { wineboot --init >/dev/null 2>&1; wineserver --wait; }
    wine "$exe" &
    wait_for_main_window || true
    sleep 2
    # No window manager gives the new window the focus, as a desktop does:
    # the user clicks into it first, on its top left corner, where nothing
    # reacts to a click.
    local id
    id=$(xdotool search --name '^NeatTessel' | head -n 1)
    xdotool mousemove --window "$id" 4 4 click 1
    sleep 1
    for _ in 1 2 3 4 5; do
        xdotool key Return
        sleep 1
    done
    for _ in $(seq 30); do
        [ -f "$store/.tmp" ] && break
        sleep 1
    done
    wineserver --kill
    wait || true
}
