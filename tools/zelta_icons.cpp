// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the program's desktop icon, the cobweb of the logistic mapping, once as an SVG and
// as PNGs at the sizes the hicolor theme asks for, all from the same strokes:
//   zelta_icons OUTDIR APPID
// writes OUTDIR/hicolor/scalable/apps/APPID.svg and OUTDIR/hicolor/NxN/apps/APPID.png.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <cstdio>
#include <vector>

namespace {

struct Stroke {
    QColor colour;
    std::vector<QPointF> points; // on a 256 by 256 canvas, y downwards
};

constexpr double Canvas = 256.0;
constexpr double Margin = 16.0;
constexpr double StrokeWidth = 10.0;

QPointF at(double u, double v) {
    const double side = Canvas - 2 * Margin;
    return QPointF(Margin + u * side, Margin + (1.0 - v) * side);
}

// The arch y = kx(1 - x), the diagonal, and the steps of a few iterations from a small
// start: up to the arch, across to the diagonal, alternately green and blue. The arch and
// the diagonal go on top so that both stay whole where the steps meet them.
std::vector<Stroke> cobweb() {
    constexpr double k = 3.4;
    auto f = [](double x) { return k * x * (1 - x); };
    std::vector<Stroke> strokes;
    double x = 0.05, y0 = 0.0;
    for (int i = 0; i < 5; ++i) {
        const double y = f(x);
        strokes.push_back(
            {i % 2 ? QColor(0, 0, 255) : QColor(0, 128, 0), {at(x, y0), at(x, y), at(y, y)}});
        x = y;
        y0 = y;
    }
    strokes.push_back({QColor(255, 0, 0), {at(0, 0), at(1, 1)}});
    Stroke arch{QColor(0, 0, 0), {}};
    for (int i = 0; i <= 64; ++i)
        arch.points.push_back(at(i / 64.0, f(i / 64.0)));
    strokes.push_back(arch);
    return strokes;
}

QString svg(const std::vector<Stroke>& strokes) {
    QString text;
    QTextStream out(&text);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << Canvas << "\" height=\""
        << Canvas << "\" viewBox=\"0 0 " << Canvas << ' ' << Canvas << "\">\n"
        << "  <title>Zelta</title>\n";
    for (const Stroke& s : strokes) {
        out << "  <polyline fill=\"none\" stroke=\"" << s.colour.name() << "\" stroke-width=\""
            << StrokeWidth << "\" stroke-linecap=\"round\" stroke-linejoin=\"round\" points=\"";
        for (size_t i = 0; i < s.points.size(); ++i)
            out << (i ? " " : "") << QString::number(s.points[i].x(), 'f', 2) << ','
                << QString::number(s.points[i].y(), 'f', 2);
        out << "\"/>\n";
    }
    out << "</svg>\n";
    return text;
}

QImage png(const std::vector<Stroke>& strokes, int side) {
    QImage img(side, side, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(side / Canvas, side / Canvas);
    // Small icons get relatively thicker lines, so that they stay at least a pixel wide.
    const double width = std::max(StrokeWidth, Canvas / side * 1.2);
    for (const Stroke& s : strokes) {
        p.setPen(QPen(s.colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(s.points.data(), int(s.points.size()));
    }
    return img;
}

bool write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: zelta_icons OUTDIR APPID\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/hicolor/");
    const QString id = QString::fromLocal8Bit(argv[2]);
    const std::vector<Stroke> strokes = cobweb();
    bool ok = write(dir + "scalable/apps/" + id + ".svg", svg(strokes).toUtf8());
    for (int side : {16, 32, 48, 64, 128, 256}) {
        const QString path = dir + QStringLiteral("%1x%1/apps/").arg(side) + id + ".png";
        QDir().mkpath(QFileInfo(path).path());
        ok = png(strokes, side).save(path, "PNG") && ok;
    }
    if (!ok) std::fprintf(stderr, "zelta_icons: could not write the icons under %s\n", argv[1]);
    return ok ? 0 : 1;
}
