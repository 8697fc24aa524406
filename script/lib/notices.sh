# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Sourced by script/qt-mingw, never run: finds what third-party code went
# into the binaries it built, and collects the notices and licence texts
# that travel with them. Reads nothing but its arguments.
#   linked_sources BUILD SOURCE TARGET
#                  prints, relative to SOURCE and sorted, the files of a Qt
#                  source tree that the Ninja build BUILD made TARGET (such
#                  as bin/Qt6Gui.dll) from: its objects' sources, the
#                  static libraries linked into it and their sources,
#                  every header and included file (Ninja's deps log, so
#                  only after a build), and the inputs of generated files
#                  (rcc resources). Another binary's import library, and
#                  what only has to be built first, are not followed.
#   runtime_notices TRIPLET OUT
#                  links a probe the way every binary is linked (-static)
#                  and writes the Debian copyright file of each package
#                  whose runtime went into it to OUT/<source package>.txt,
#                  and OUT/runtime.tsv: source package, the installed
#                  version, the files taken from it.

linked_sources() {
    local build="$1" source target="$3"
    source=$(realpath "$2")
    local -A seen=(["$target"]=1)
    local frontier=("$target") next objects=() node rule input
    while [ ${#frontier[@]} -gt 0 ]; do
        next=()
        # node <TAB> rule <TAB> input, for explicit and implicit inputs only
        while IFS=$'\t' read -r node rule input; do
            case "$rule" in
                *SHARED_LIBRARY_LINKER* | *MODULE_LIBRARY_LINKER* | *EXECUTABLE_LINKER*)
                    [ "$node" = "$target" ] || continue ;; # another binary
            esac
            [[ $node == *.obj ]] && objects+=("$node")
            if [ -n "$input" ] && [ -z "${seen[$input]:-}" ]; then
                seen[$input]=1
                next+=("$input")
            fi
        done < <(ninja -C "$build" -t query "${frontier[@]}" | awk '
            /^[^ ].*:$/                  { node = substr($0, 1, length($0) - 1); mode = ""; print node "\t\t"; next }
            /^  input: /                 { rule = $2; mode = "in"; next }
            /^  outputs:/                { mode = "out"; next }
            mode == "in" && /^    \|\| / { next }
            mode == "in" && /^    \| /   { print node "\t" rule "\t" $2; next }
            mode == "in" && /^    /      { print node "\t" rule "\t" $1; next }')
        frontier=("${next[@]+"${next[@]}"}")
    done
    {
        printf '%s\n' "${!seen[@]}"
        [ ${#objects[@]} -eq 0 ] || printf '%s\n' "${objects[@]}" | sort -u \
            | xargs -r -n 200 ninja -C "$build" -t deps | awk '/^    /{print $1}'
    } | awk -v build="$build" '{ print (substr($0, 1, 1) == "/" ? "" : build "/") $0 }' \
        | xargs -r -d '\n' realpath -m --relative-base="$source" | grep -v '^/' | sort -u
}

runtime_notices() {
    local triplet="$1" out="$2" probe
    probe=$(mktemp -d)
    printf '%s\n' '#include <string>' '#include <thread>' \
        'int main() { std::thread([] {}).join(); try { throw std::string(); } catch (...) {} }' \
        >"$probe/probe.cpp"
    "$triplet-g++-posix" -static -Wl,--trace "$probe/probe.cpp" -o "$probe/probe.exe" \
        | sed -n 's/^\(.*\/[^/(]*\)\((.*)\)\{0,1\}$/\1/p' | sort -u >"$probe/inputs"
    mkdir -p "$out"
    : >"$out/runtime.tsv"
    local file package source
    local -A files_of=()
    while read -r file; do
        case "$file" in /usr/*) ;; *) continue ;; esac
        package=$(dpkg -S "$(realpath "$file")" | cut -d: -f1)
        source=$(dpkg-query -W -f='${source:Package}\t${Version}' "$package")
        files_of[$source]+="${files_of[$source]:+ }$(basename "$file")"
        cp "$(readlink -f "/usr/share/doc/$package/copyright")" "$out/${source%%$'\t'*}.txt"
    done <"$probe/inputs"
    for source in "${!files_of[@]}"; do
        printf '%s\t%s\n' "$source" "${files_of[$source]}"
    done | sort >"$out/runtime.tsv"
    rm -rf "$probe"
    [ -s "$out/runtime.tsv" ] || { echo "No runtime found in the probe's link" >&2; return 1; }
}
