# SPDX-License-Identifier: MIT
# shellcheck shell=bash disable=SC2154 # shipped_qt comes from windows.sh
# Sourced by script/windows after windows.sh, never run: writes the zip's
# licenses/ folder from what script/qt-mingw collected beside Qt and from the
# packages on this machine, so that every text comes from its source and none
# is typed here. Reads its arguments, and the shipped binaries and the Debian
# release from windows.sh.
#   write_licences QT DIR VERSION COMMIT
#                  fills DIR with the licence texts, the index README.txt
#                  and SOURCE.txt, for NeatTessel VERSION built from COMMIT
#                  against the Qt prefix QT; every file in UTF-8 with a
#                  byte order mark and CR LF, as Notepad shows it
#   source_name VERSION
#                  the name of the source archive published beside the zip

source_name() {
    echo "neattessel-$1-windows-x64-source.zip"
}

# Copies the text FROM to TO as Windows' Notepad reads it.
windows_text() {
    { printf '\xef\xbb\xbf'; sed 's/\r$//; s/$/\r/' "$1"; } >"$2"
}

# The third-party parts that the table TSV (id, name, licence) lists, one a
# line under the heading of their notices file FILE.
parts_of() {
    local tsv="$1" file="$2"
    [ -s "$tsv" ] || return 0
    echo "  中に組み込まれている第三者のコード（$file）:"
    cut -f2,3 "$tsv" | sed 's/\t/ ─ /; s/^/    /'
}

# The lines of standard input joined by "、" into one.
joined() {
    awk 'NR > 1 { printf "、" } { printf "%s", $0 } END { print "" }'
}

# The runtimes that the table TSV (source package, version, files) lists,
# each with its files and notice.
runtimes_of() {
    local source version files
    while IFS=$'\t' read -r source version files; do
        echo "  $source $version: $files"
        echo "    ─ runtime-$source.txt"
    done <"$1"
}

# The sha256 of FILE as the .dsc DSC gives it.
dsc_sha256() {
    sed -n "/^Checksums-Sha256:/,/^[^ ]/ s/^ \([0-9a-f]\{64\}\) [0-9]* $2\$/\1/p" "$1"
}

# The shipped Qt binaries as the zip names them, joined by "、", in
# Windows' spelling.
shipped_names() {
    local entry
    for entry in "${shipped_qt[@]}"; do
        shipped_name "$entry" | sed 's|/|\\|'
    done | joined
}

# Copies the licence texts of Qt, the fonts and the runtime into DIR.
copy_licence_texts() {
    local notices="$1/licenses" dir="$2" file
    windows_text "$notices/LGPL-3.0-only.txt" "$dir/LGPL-3.0.txt"
    windows_text "$notices/GPL-3.0-only.txt" "$dir/GPL-3.0.txt"
    windows_text /usr/share/doc/fonts-dejavu-core/copyright "$dir/DejaVu-fonts.txt"
    for file in "$notices"/runtime/*.txt; do
        windows_text "$file" "$dir/runtime-$(basename "$file")"
    done
}

# Prints the index: what each shipped file holds and under which licence;
# copies each binary's third-party notices into DIR as it names them.
licence_index() {
    local qt="$1" dir="$2" version="$3"
    local notices="$qt/licenses" runtime qt_version qt_upstream entry name module release
    release=$windows_release
    runtime="  GCC と MinGW-w64 のランタイム（静的リンク）─ $(cut -f1 "$notices/runtime/runtime.tsv" \
        | sed 's/^/runtime-/; s/$/.txt/' | joined)"
    qt_version=$(sed -n 's/^Version: //p' "$qt"/source/qt6-base_*.dsc)
    qt_upstream=${qt_version%%+*}
    echo "NeatTessel $version（Windows 版）に含まれるもののライセンス"
    echo "================================================================"
    echo
    echo "このフォルダには、NeatTessel と一緒に配布しているファイルのライセンス文書があります。"
    echo "ファイルごとに、何が入っていて、どのライセンスに従うかを示します。"
    echo "ソースコードの入手方法と、Qt を作り直して差し替える方法は SOURCE.txt にあります。"
    echo
    echo "どの .exe と .dll にも、$release の次のパッケージの GCC と MinGW-w64 のランタイムを"
    echo "静的にリンクしています（ランタイムの DLL はありません）。"
    runtimes_of "$notices/runtime/runtime.tsv"
    echo
    echo "neattessel.exe、ReadMe.txt"
    echo "  NeatTessel $version ─ MIT License（..\\LICENSE.txt）"
    echo "  タイトルとボタンの絵の文字（DejaVu Serif Bold Italic と DejaVu Sans Bold の字形）"
    echo "    ─ Bitstream Vera Fonts License（DejaVu-fonts.txt）"
    echo "  Qt $qt_upstream のヘッダーから取り込まれたコード ─ GNU LGPL version 3（LGPL-3.0.txt、GPL-3.0.txt）"
    echo "$runtime"
    for entry in "${shipped_qt[@]}"; do
        name=$(basename "$(shipped_path "$entry")" .dll)
        module=${entry#*:}
        echo
        shipped_name "$entry" | sed 's|/|\\|'
        echo "  Qt $qt_upstream の $module（Debian の qt6-base $qt_version）─ GNU LGPL version 3（LGPL-3.0.txt、GPL-3.0.txt）"
        if [ -s "$notices/$name.txt" ]; then
            windows_text "$notices/$name.txt" "$dir/$name-third-party.txt"
            parts_of "$notices/$name.tsv" "$name-third-party.txt"
        fi
        if grep -q '^freetype	' "$notices/$name.tsv"; then
            echo "  FreeType は FreeType License（FTL）のもとで使っています:"
            echo "    Portions of this software are copyright © $(freetype_year "$notices/$name.txt") The FreeType"
            echo "    Project (www.freetype.org).  All rights reserved."
        fi
        echo "$runtime"
    done
}

# Prints where the source of each shipped file is, and how to build Qt again
# and put it in; fails when the source archive is not the one the .dsc names.
source_notes() {
    local qt="$1" version="$2" commit="$3"
    local notices="$qt/licenses" qt_version dsc runtime_sources sha file release entry
    release=$windows_release
    qt_version=$(sed -n 's/^Version: //p' "$qt"/source/qt6-base_*.dsc)
    dsc=$(basename "$qt"/source/qt6-base_*.dsc)
    runtime_sources=$(cut -f1,2 "$notices/runtime/runtime.tsv" | sed 's/\t/ /' | joined)
    echo "NeatTessel $version（Windows 版）のソースコード"
    echo "================================================================"
    echo
    echo "NeatTessel の zip と MSI に入っているプログラムと DLL のソースコードを、それらと同じ場所に"
    echo "次の名前で公開しています。"
    echo
    echo "  $(source_name "$version")"
    echo
    echo "各ファイルは、その中の次のソースから作りました。"
    echo
    echo "neattessel.exe"
    echo "  NeatTessel $version（コミット $commit）: neattessel-$version.tar（git archive で作ったもの）"
    echo
    shipped_names
    echo "  $release のソースパッケージ qt6-base $qt_version を、取得したまま入れてあります:"
    echo "    qt6-base\\$dsc"
    for file in "$qt"/source/qt6-base_*.tar.*; do
        sha=$(dsc_sha256 "$qt/source/$dsc" "$(basename "$file")")
        if [ "$(sha256sum <"$file" | cut -d' ' -f1)" != "$sha" ]; then
            echo "$file is not the file $dsc names" >&2
            return 1
        fi
        echo "    qt6-base\\$(basename "$file")  sha256 $sha"
    done
    echo "  これに qt6-base\\qt6-base-features-off.patch を当て、qt6-base\\configure.txt のとおりに、"
    echo "  qt6-base\\mingw-w64-x86_64.cmake（MinGW-w64 の GCC でのクロスビルド）でビルドしました。"
    echo
    echo "GCC と MinGW-w64 のランタイム"
    echo "  $release の $runtime_sources のものを、上のすべてのファイルに静的にリンクしています。"
    echo "  ランタイムの DLL は配布していません。"
    echo
    echo "Qt を作り直して差し替えるには"
    echo "  neattessel.exe は、Qt の DLL を自分と同じフォルダから読み込みます。$release で次のようにすると、"
    echo "  同じ Qt ができます（変更を加えるなら、patch のあとで）。"
    echo
    echo "    sudo apt-get install dpkg-dev patch cmake ninja-build qt6-base-dev qt6-base-dev-tools \\"
    echo "        g++-mingw-w64-x86-64-posix"
    echo "    dpkg-source -x $dsc"
    echo "    cd qt6-base-${qt_version%%-*}"
    echo "    patch -p1 < ../qt6-base-features-off.patch"
    echo "    （configure.txt の cmake のコマンド）"
    echo
    echo "  できた Qt のフォルダの次のファイルを、neattessel.exe のフォルダの右側の名前のファイルと"
    echo "  入れ替えてください。"
    for entry in "${shipped_qt[@]}"; do
        echo "    $(shipped_path "$entry" | sed 's|/|\\|g') → $(shipped_name "$entry" | sed 's|/|\\|')"
    done
}

write_licences() {
    local qt="$1" dir="$2" version="$3" commit="$4" work
    work=$(mktemp -d)
    mkdir -p "$dir"
    copy_licence_texts "$qt" "$dir"
    licence_index "$qt" "$dir" "$version" >"$work/README.txt"
    windows_text "$work/README.txt" "$dir/README.txt"
    source_notes "$qt" "$version" "$commit" >"$work/SOURCE.txt" || { rm -rf "$work"; return 1; }
    windows_text "$work/SOURCE.txt" "$dir/SOURCE.txt"
    rm -rf "$work"
}

# The newest year of FreeType's copyright lines in the notices TEXT, for the
# credit the FreeType License asks for.
freetype_year() {
    sed -n '/^Freetype 2 /,/^License:/p' "$1" | grep -o '20[0-9][0-9]' | sort | tail -n 1
}
