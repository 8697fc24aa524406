# SPDX-License-Identifier: MIT
# Picks the entries of Qt's qt_attribution.json files that cover any file of a
# list (the sources one Qt binary was built from) and writes them out: a
# table, one entry a line (id, name and version, licence), and one text with
# each entry's name, copyright and licence texts. Fails when an entry has no
# licence text to ship. Run by script/qt-mingw:
#   cmake -DSOURCE=<qt source> -DFILES=<file list> -DOUT=<prefix> -P QtAttributions.cmake
# writes <prefix>.tsv and <prefix>.txt.
#
# CMake reads the json files as they are; some hold raw line breaks inside
# strings, which stricter readers refuse. An entry is read by index, never
# kept in a list, since its text may hold ";".
cmake_minimum_required(VERSION 3.19)
file(STRINGS "${FILES}" files)
file(GLOB_RECURSE jsons RELATIVE "${SOURCE}" "${SOURCE}/*qt_attribution.json")
list(FILTER jsons EXCLUDE REGEX "^(tests|examples)/")
list(SORT jsons)

# Entries that name no file of their own, and code built from data kept
# elsewhere: the file their code is really compiled from.
set(code_of_siphash "src/corelib/tools/qhash.cpp")
set(code_of_webgradients "src/gui/painting/webgradients.cpp")
# Licence files an entry's own licence file sends the reader to.
set(more_licence_files_of_freetype "docs/FTL.TXT")

# Reads the key of the json text `entry` into `out`; empty when it is absent.
function(json_value out entry key)
    string(JSON value ERROR_VARIABLE error GET "${entry}" ${key})
    if(error)
        set(value "")
    endif()
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

# The first file of the list that the entry covers; empty when none. `Files`
# means exactly those files, `Path` that file or folder; an entry naming
# neither covers its json's folder, but not through a header alone: Qt6Gui
# includes zlib.h and calls Qt6Core's zlib, and HarfBuzz finds PCRE2's
# config.h on its include path.
function(covered_file out id dir path names)
    set(base "${dir}")
    if(path)
        set(base "${dir}/${path}")
    endif()
    if(DEFINED code_of_${id})
        set(exact "${code_of_${id}}")
    elseif(names)
        list(TRANSFORM names PREPEND "${base}/" OUTPUT_VARIABLE exact)
    elseif(path)
        set(exact "${base}")
        set(prefix "${base}/")
    else()
        set(prefix "${dir}/")
    endif()
    foreach(file IN LISTS exact)
        if(file IN_LIST files)
            set(${out} "${file}" PARENT_SCOPE)
            return()
        endif()
    endforeach()
    if(prefix)
        foreach(file IN LISTS files)
            string(FIND "${file}" "${prefix}" at)
            if(at EQUAL 0 AND NOT file MATCHES "\\.(h|hh|hpp|hxx)$")
                set(${out} "${file}" PARENT_SCOPE)
                return()
            endif()
        endforeach()
    endif()
    set(${out} "" PARENT_SCOPE)
endfunction()

set(table "")
set(text "")
foreach(json IN LISTS jsons)
    get_filename_component(dir "${json}" DIRECTORY)
    file(READ "${SOURCE}/${json}" content)
    string(JSON type TYPE "${content}")
    set(count 1)
    if(type STREQUAL "ARRAY")
        string(JSON count LENGTH "${content}")
    endif()
    math(EXPR last "${count} - 1")
    foreach(index RANGE ${last})
        set(entry "${content}")
        if(type STREQUAL "ARRAY")
            string(JSON entry GET "${content}" ${index})
        endif()
        foreach(key Id Name Version License LicenseId LicenseFile Copyright CopyrightFile Path Files)
            json_value(${key} "${entry}" ${key})
        endforeach()
        # Files: one string or an array of names, split on blanks and commas.
        string(REGEX REPLACE "[][\",\n\t ]+" ";" names "${Files}")
        list(REMOVE_ITEM names "")
        covered_file(hit "${Id}" "${dir}" "${Path}" "${names}")
        if(NOT hit)
            continue()
        endif()

        set(licence_files ${LicenseFile})
        string(JSON more ERROR_VARIABLE error LENGTH "${entry}" LicenseFiles)
        if(NOT error AND more GREATER 0)
            math(EXPR more "${more} - 1")
            foreach(i RANGE ${more})
                string(JSON file GET "${entry}" LicenseFiles ${i})
                list(APPEND licence_files "${file}")
            endforeach()
        endif()
        list(APPEND licence_files ${more_licence_files_of_${Id}})
        list(TRANSFORM licence_files PREPEND "${dir}/")
        # An entry that names no file of its own has its licence texts in the
        # source's LICENSES/, one per SPDX identifier of its LicenseId.
        if(NOT licence_files AND LicenseId)
            string(REGEX REPLACE "[() ]+|AND|OR|WITH" ";" ids "${LicenseId}")
            list(REMOVE_ITEM ids "")
            list(TRANSFORM ids REPLACE "(.+)" "LICENSES/\\1.txt" OUTPUT_VARIABLE licence_files)
        endif()
        if(NOT licence_files AND NOT License MATCHES "^Public Domain")
            message(FATAL_ERROR "${Id} (${json}) is built in, but names no licence text")
        endif()

        string(STRIP "${Name} ${Version}" title)
        string(APPEND table "${Id}\t${title}\t${License}\n")
        string(REPEAT "=" 72 rule)
        string(APPEND text "${rule}\n${title}\n(Qt source: ${dir})\n\n")
        if(CopyrightFile)
            file(READ "${SOURCE}/${dir}/${CopyrightFile}" copyright)
        else()
            set(copyright "${Copyright}\n")
        endif()
        string(APPEND text "${copyright}\nLicense: ${License}\n\n")
        foreach(file IN LISTS licence_files)
            if(NOT EXISTS "${SOURCE}/${file}")
                message(FATAL_ERROR "${Id}: its licence text ${file} is missing")
            endif()
            file(READ "${SOURCE}/${file}" licence)
            string(APPEND text "${licence}\n")
        endforeach()
    endforeach()
endforeach()
file(WRITE "${OUT}.tsv" "${table}")
file(WRITE "${OUT}.txt" "${text}")
