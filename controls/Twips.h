// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QSize>

// Window geometry is laid out in twips: 1440 to the inch, 15 to a
// device-independent pixel at 96 dpi. Qt's high-DPI scaling does the rest.
namespace Twips {

[[nodiscard]] constexpr int toPixels(int twips)
{
    return (twips + 7) / 15;
}

[[nodiscard]] constexpr int fromPixels(int pixels)
{
    return pixels * 15;
}

[[nodiscard]] constexpr QRect rect(int left, int top, int width, int height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

[[nodiscard]] constexpr QSize size(int width, int height)
{
    return {toPixels(width), toPixels(height)};
}

} // namespace Twips
