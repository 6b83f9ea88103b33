// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logistic/diagram.h"

#include "logistic/diagramarea.h"
#include "logistic/logistic.h"
#include "runtime/picturemenu.h"
#include "shell/artwork.h"

#include <QPainter>
#include <cmath>

using namespace zr;

namespace {
// The layout in twips: the diagram and the exponent's strip under it, with their ticks.
constexpr double AreaLeft = 720, AreaWidth = 8160, Inner = 30, TickLength = 60;
constexpr double DiagramTop = 120, DiagramHeight = 5010, StripTop = 5430, StripHeight = 1560;
// Labels, placed by the middle of their height: tick values left of both areas and under the
// strip, the axis names right of the areas and under the k ticks.
constexpr double LabelHeight = 240, KTicksMiddle = 7170, KTitleMiddle = 7410;
constexpr double ValuesLeft = 60, ValuesWidth = 600, KTicksWidth = 900;
constexpr double TitleLeft = 8940, TitleWidth = 300, KTitleWidth = 900;
constexpr int Quarters = 4;
// The exponent's range on its strip, top to bottom, and its labelled ticks.
constexpr double LambdaTop = 1.0, LambdaBottom = -1.5;
constexpr double LambdaTicks[] = {1, 0, -1};

// Where a fraction of an area's inside falls, in twips.
double across(double fraction) {
    return AreaLeft + Inner + fraction * (AreaWidth - 2 * Inner);
}
double down(double top, double height, double fraction) {
    return top + Inner + fraction * (height - 2 * Inner);
}

// [lo, hi] at its quarters, with as many digits as tell the ticks apart.
QStringList quarterTexts(double lo, double hi) {
    const double step = (hi - lo) / Quarters;
    const double largest = std::max(std::abs(lo), std::abs(hi));
    const int digits =
        std::clamp(static_cast<int>(std::ceil(std::log10(largest / step))) + 2, 1, 15);
    QStringList texts;
    for (int i = 0; i <= Quarters; ++i)
        texts << QString::number(lo + i * step, 'g', digits);
    return texts;
}
} // namespace

void Diagram::registerWindow(Runtime& rt) {
    rt.registerForm(Name, [](Runtime& r) { return new Diagram(r); });
}

void Diagram::showFor(logistic* source, double k) {
    source->rt().show(Name);
    auto* diagram = source->rt().loadedForm<Diagram>(Name);
    if (!diagram) return; // the program is over
    connect(source, &logistic::kChanged, diagram, &Diagram::setK, Qt::UniqueConnection);
    connect(source, &logistic::stepTaken, diagram, &Diagram::addMark, Qt::UniqueConnection);
    diagram->setK(k);
}

Diagram::Diagram(Runtime& rt) : Form(rt, Name, Kind::Child) {
    setCaption(QStringLiteral("Bifurcation Diagram"));
    setBorder(Border::FixedSingle);
    setWindowIcon(artwork::cobwebIcon());
    resize(sizeHint());

    pb_diagram = new DiagramArea(this, {AreaLeft, DiagramTop, AreaWidth, DiagramHeight});
    // Backspace works as soon as the window comes to the front.
    setFocusProxy(pb_diagram);
    auto* menu = new PictureMenu(this, pb_diagram);
    menu->addAction(QStringLiteral("&Reset View"), this, [this] { setView(bifurcation::View()); });
    pb_lyapunov =
        new PictureBox(this, QStringLiteral("pb_lyapunov"), QStringLiteral("Lyapunov exponent"),
                       {AreaLeft, StripTop, AreaWidth, StripHeight});
    pb_lyapunov->setAutoRedraw(true);
    pb_lyapunov->setBackColor(White);
    buildAxes();

    connect(&computer_, &DiagramComputer::columnsReady, this,
            [this](int, int first, const QVector<bifurcation::Column>& columns) {
                showColumns(first, columns);
            });
    connect(pb_diagram, &DiagramArea::zoomAsked, this, &Diagram::setView);
    connect(pb_diagram, &DiagramArea::resetAsked, this, [this] { setView(bifurcation::View()); });
}

void Diagram::buildAxes() {
    const auto label = [this](const QString& name, Qt::Alignment align, double left, double middle,
                              double width) {
        auto* l =
            new Label(this, name, QString(), {left, middle - LabelHeight / 2, width, LabelHeight});
        l->setAlignment(align | Qt::AlignVCenter);
        return l;
    };
    for (int i = 0; i <= Quarters; ++i) {
        const double fraction = 1.0 * i / Quarters;
        kTicks << label(QStringLiteral("lbl_ktick%1").arg(i), Qt::AlignHCenter,
                        across(fraction) - KTicksWidth / 2, KTicksMiddle, KTicksWidth);
        xTicks << label(QStringLiteral("lbl_xtick%1").arg(i), Qt::AlignRight, ValuesLeft,
                        down(DiagramTop, DiagramHeight, fraction), ValuesWidth);
    }
    for (double v : LambdaTicks) {
        const double fraction = (LambdaTop - v) / (LambdaTop - LambdaBottom);
        lambdaTicks << label(QStringLiteral("lbl_ltick%1").arg(lambdaTicks.size()), Qt::AlignRight,
                             ValuesLeft, down(StripTop, StripHeight, fraction), ValuesWidth);
        lambdaTicks.last()->setCaption(QString::number(v));
    }
    titles << label(QStringLiteral("lbl_xtitle"), Qt::AlignLeft, TitleLeft,
                    DiagramTop + DiagramHeight / 2, TitleWidth)
           << label(QStringLiteral("lbl_ltitle"), Qt::AlignLeft, TitleLeft,
                    StripTop + StripHeight / 2, TitleWidth)
           << label(QStringLiteral("lbl_ktitle"), Qt::AlignHCenter, across(0.5) - KTitleWidth / 2,
                    KTitleMiddle, KTitleWidth);
    titles[0]->setCaption(QStringLiteral("x"));
    titles[1]->setCaption(QStringLiteral("λ"));
    titles[2]->setCaption(QStringLiteral("k"));
}

void Diagram::Form_Load() {
    // At the right of the frame's client area, where it hides least of a program window.
    outer()->resize(outer()->sizeHint());
    setTopTw(0);
    if (const QWidget* client = outer()->parentWidget())
        setLeftTw(std::max(0, twips(client->width()) - widthTw()));
    setView(bifurcation::View());
}

void Diagram::setView(const bifurcation::View& view) {
    pb_diagram->setView(view);
    pb_lyapunov->setScale(view.kMin, LambdaTop, view.kMax - view.kMin, LambdaBottom - LambdaTop);
    pb_lyapunov->cls();
    pb_lyapunov->line(view.kMin, 0, view.kMax, 0, 0x808080);
    const QStringList ks = quarterTexts(view.kMin, view.kMax);
    const QStringList xs = quarterTexts(view.xMin, view.xMax);
    for (int i = 0; i <= Quarters; ++i) {
        kTicks[i]->setCaption(ks[i]);
        xTicks[i]->setCaption(xs[Quarters - i]);
    }
    const QImage& raster = pb_diagram->image();
    computer_.start(view, raster.width(), raster.height());
}

void Diagram::showColumns(int first, const QVector<bifurcation::Column>& columns) {
    pb_diagram->putColumns(first, columns, bifurcation::Sampling().plotted);
    // Each column's exponent joined to the one before; where it is no number (an orbit
    // through 0.5 exactly) the curve has a gap.
    for (int i = 0; i < columns.size(); ++i) {
        const bifurcation::Column& c = columns[i];
        if (first == 0 && i == 0) {
            pb_lyapunov->setCurrentX(c.k);
            pb_lyapunov->setCurrentY(c.lyapunov);
        }
        pb_lyapunov->lineTo(c.k, c.lyapunov, Blue);
    }
}

void Diagram::setK(double k) {
    pb_diagram->setMarker(k);
}

void Diagram::addMark(double x, qint64 n) {
    pb_diagram->addMark(x, n == 0);
}

void Diagram::paintEvent(QPaintEvent* event) {
    Form::paintEvent(event);
    QPainter p(this);
    p.setPen(Qt::black);
    const auto tick = [&](double x1, double y1, double x2, double y2) {
        p.drawLine(QLineF(x1, y1, x2, y2) *
                   QTransform::fromScale(1 / TwipsPerPixel, 1 / TwipsPerPixel));
    };
    for (int i = 0; i <= Quarters; ++i) {
        const double k = across(1.0 * i / Quarters);
        tick(k, StripTop + StripHeight, k, StripTop + StripHeight + TickLength);
        tick(k, DiagramTop + DiagramHeight, k, DiagramTop + DiagramHeight + TickLength);
        const double x = down(DiagramTop, DiagramHeight, 1.0 * i / Quarters);
        tick(AreaLeft - TickLength, x, AreaLeft, x);
    }
    for (double v : LambdaTicks) {
        const double y = down(StripTop, StripHeight, (LambdaTop - v) / (LambdaTop - LambdaBottom));
        tick(AreaLeft - TickLength, y, AreaLeft, y);
    }
}
