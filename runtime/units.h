// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Twips, colours and fonts as the windows are laid out in them.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <cmath>
#include <cstdint>

namespace zr {

// 15 twips make one logical pixel (1440 twips an inch at 96 dots an inch); Qt maps
// logical pixels to device pixels on high-dpi screens.
constexpr double TwipsPerPixel = 15.0;

inline int px(double twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}
inline int twips(int pixels) {
    return static_cast<int>(std::lround(pixels * TwipsPerPixel));
}
// A place in a container given in twips: left, top, width and height.
inline QRect twRect(const QRectF& tw) {
    return QRect(px(tw.left()), px(tw.top()), px(tw.width()), px(tw.height()));
}

// Colours are 32-bit values &H00BBGGRR. &H800000nn names the desktop's system colour nn.
using Colour = std::uint32_t;
constexpr Colour Black = 0x000000, White = 0xFFFFFF, Red = 0x0000FF, Green = 0x00FF00,
                 Blue = 0xFF0000, Magenta = 0xFF00FF, Cyan = 0xFFFF00;
enum SystemColour : Colour {
    SysDesktop = 0x80000001,
    SysActiveTitle = 0x80000002,
    SysWindowBackground = 0x80000005,
    SysAppWorkspace = 0x8000000C,
    SysHighlightText = 0x8000000E,
    SysButtonFace = 0x8000000F,
    SysTooltipBackground = 0x80000018,
};

// The colour as the screen shows it; system colours come from the application palette.
QColor toQColor(Colour colour);
// &H00BBGGRR for a screen colour.
Colour fromQColor(const QColor& colour);

// A font as the layout names it ("MS Sans Serif", "Arial"), mapped to a metric-compatible
// face that a Linux desktop has.
QFont layoutFont(const QString& family, double points, bool bold = false);

} // namespace zr
