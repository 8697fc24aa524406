// SPDX-License-Identifier: MIT
#pragma once

#ifdef Q_OS_WIN
#include <windows.h>
#endif

// Whether this Windows program runs under Wine, which the Windows tests run
// on: a few of its answers differ from Windows', each named where it matters.
[[nodiscard]] inline bool underWine()
{
#ifdef Q_OS_WIN
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
#else
    return false;
#endif
}
