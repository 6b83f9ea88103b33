// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/artwork.h"

#include <QPixmap>
#include <cmath>
#include <cstdlib>

namespace artwork {
namespace {

constexpr int Size = 32;
constexpr QRgb Clear = 0x00000000;
constexpr QRgb Black = 0xff000000, Navy = 0xff000080, Grey = 0xff808080, Silver = 0xffc0c0c0;
constexpr QRgb Red = 0xffff0000, Green = 0xff008000, Blue = 0xff0000ff, Yellow = 0xffffff00;
constexpr QRgb White = 0xffffffff;

QImage blank() {
    QImage img(Size, Size, QImage::Format_ARGB32);
    img.fill(Clear);
    return img;
}

// Bresenham line, both end points included.
void line(QImage& img, int x0, int y0, int x1, int y1, QRgb c) {
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    for (int err = dx + dy;;) {
        img.setPixel(x0, y0, c);
        if (x0 == x1 && y0 == y1) return;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void fillRect(QImage& img, int x0, int y0, int x1, int y1, QRgb c) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            img.setPixel(x, y, c);
}

// Unit square onto the icon, y upwards.
int px(double u) {
    return int(std::lround(u * (Size - 1)));
}
int py(double v) {
    return Size - 1 - px(v);
}

QIcon iconOf(const QImage& img) {
    QIcon icon;
    for (int side : {16, 32, 64})
        icon.addPixmap(QPixmap::fromImage(
            img.scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    return icon;
}

} // namespace

// The logistic arch, the diagonal and the cobweb of a few iterations from x = 0.05: a staircase
// up to the arch, then a loop around the fixed point where arch and diagonal cross.
QImage cobweb() {
    constexpr double k = 3.4;
    auto f = [](double x) { return k * x * (1 - x); };
    QImage img = blank();
    // Each step: vertically to the arch, then across to the diagonal; steps alternate in colour.
    double x = 0.05;
    int ax = px(x), ay = py(0);
    for (int i = 0; i < 4; ++i) {
        const double y = f(x);
        const QRgb c = i % 2 ? Blue : Green;
        line(img, ax, ay, ax, py(y), c);
        line(img, ax, py(y), px(y), py(y), c);
        x = y;
        ax = px(x);
        ay = py(y);
    }
    line(img, 0, Size - 1, Size - 1, 0, Red); // the diagonal y = x
    // The parabola, joined column to column so its steep ends have no gaps.
    for (int c = 0; c + 1 < Size; ++c)
        line(img, c, py(f(c / double(Size - 1))), c + 1, py(f((c + 1) / double(Size - 1))), Black);
    return img;
}

struct Pt {
    int x, y;
};

int cross(Pt o, Pt a, Pt b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// Triangle abc filled with `fill` (pixels on the edges included) and edged in black.
void triangle(QImage& img, Pt a, Pt b, Pt c, QRgb fill) {
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x)
            if (cross(a, b, {x, y}) <= 0 && cross(b, c, {x, y}) <= 0 && cross(c, a, {x, y}) <= 0)
                img.setPixel(x, y, fill);
    line(img, a.x, a.y, b.x, b.y, Black);
    line(img, b.x, b.y, c.x, c.y, Black);
    line(img, c.x, c.y, a.x, a.y, Black);
}

// Splits abc `depth` times into its three corner triangles and draws the smallest ones.
void sieve(QImage& img, Pt a, Pt b, Pt c, int depth) {
    if (depth == 0) return triangle(img, a, b, c, Red);
    const Pt ab{(a.x + b.x) / 2, (a.y + b.y) / 2}, bc{(b.x + c.x) / 2, (b.y + c.y) / 2},
        ca{(c.x + a.x) / 2, (c.y + a.y) / 2};
    sieve(img, a, ab, ca, depth - 1);
    sieve(img, ab, b, bc, depth - 1);
    sieve(img, ca, bc, c, depth - 1);
}

// Two halvings give nine red triangles; the corners stay on whole pixels.
QImage sierpinski() {
    QImage img = blank();
    sieve(img, {15, 2}, {1, 30}, {29, 30}, 2);
    return img;
}

// Disc around (cx, cy) with a black rim.
void disc(QImage& img, double cx, double cy, double r, QRgb fill) {
    auto in = [&](int x, int y) { return std::hypot(x - cx, y - cy) <= r; };
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x)
            if (in(x, y)) {
                const bool rim = !(in(x - 1, y) && in(x + 1, y) && in(x, y - 1) && in(x, y + 1));
                img.setPixel(x, y, rim ? Black : fill);
            }
}

// A little application window with three toy shapes floating above it.
QImage aboutBox() {
    QImage img = blank();
    disc(img, 5, 6, 4.4, Red);
    fillRect(img, 11, 2, 19, 10, Black);
    fillRect(img, 12, 3, 18, 9, Yellow);
    triangle(img, {26, 1}, {21, 10}, {31, 10}, Blue);
    fillRect(img, 2, 14, 31, 31, Grey);  // drop shadow
    fillRect(img, 0, 12, 29, 29, Black); // frame
    fillRect(img, 1, 13, 28, 16, Navy);  // title strip
    fillRect(img, 25, 14, 27, 15, Silver);
    fillRect(img, 1, 17, 28, 28, White); // client area
    for (int i = 0; i < 3; ++i)          // a few lines of text
        line(img, 4, 20 + 3 * i, 24 - 5 * i, 20 + 3 * i, Grey);
    return img;
}

QIcon cobwebIcon() {
    return iconOf(cobweb());
}
QIcon sierpinskiIcon() {
    return iconOf(sierpinski());
}

} // namespace artwork
