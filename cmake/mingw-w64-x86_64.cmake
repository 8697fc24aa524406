# SPDX-License-Identifier: MIT
# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the posix thread
# model, which std::thread and Qt need). Libraries and packages are looked up
# only under the MinGW root and the prefixes in TESSEL_WINDOWS_PREFIXES (the
# cross-built Qt), never among the build machine's own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(tessel_triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${tessel_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${tessel_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${tessel_triplet}-windres)

list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TESSEL_WINDOWS_PREFIXES)
set(CMAKE_FIND_ROOT_PATH /usr/${tessel_triplet} ${TESSEL_WINDOWS_PREFIXES})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The GCC and MinGW-w64 runtimes are linked into every binary, Qt's DLLs
# included, so that none of their DLLs has to be shipped beside the program.
# The PE header carries no link time, and no path of the build machine
# reaches a binary through __FILE__: the same source gives the same bytes in
# any folder.
set(tessel_static_link "-static -Wl,--no-insert-timestamp")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${tessel_static_link}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${tessel_static_link}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${tessel_static_link}")
set(tessel_path_map "-ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=.")
set(CMAKE_C_FLAGS_INIT "${tessel_path_map}")
set(CMAKE_CXX_FLAGS_INIT "${tessel_path_map}")
