// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Program icons, drawn pixel by pixel in the 16 classic VGA colours.
#include <QIcon>
#include <QImage>

namespace artwork {
QImage cobweb();     // 32x32: parabola, diagonal and the stair steps of a few iterations
QImage sierpinski(); // 32x32: red Sierpinski triangle with a black outline
QImage aboutBox();   // 32x32: a small window with coloured shapes above it
QIcon cobwebIcon();  // cobweb() at 16, 32 and 64 pixels
QIcon sierpinskiIcon();
} // namespace artwork
