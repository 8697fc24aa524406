# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Sourced by script/msi and script/test-msi, never run; sources windows.sh.
# Sourcing it only sets these; each function reads nothing but its arguments
# and what this file and windows.sh set.
#   msi_path                 prints the path of the installer in build-windows/,
#                            beside the zip
#   name_guid NAME           prints a GUID that is the same for the same NAME
#                            (a name-based UUID, version 3, of NeatTessel's
#                            installer)
source "$(dirname "${BASH_SOURCE[0]}")/windows.sh"

msi_path() {
    echo "$build_windows/$(package_name).msi"
}

name_guid() {
    local hash
    hash=$(printf 'NeatTessel installer:%s' "$1" | md5sum | tr a-f A-F)
    printf '%s-%s-3%s-%X%s-%s\n' "${hash:0:8}" "${hash:8:4}" "${hash:13:3}" \
        $(( (16#${hash:16:1} & 3) | 8 )) "${hash:17:3}" "${hash:20:12}"
}
