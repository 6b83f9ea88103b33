// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The logistic window as a user meets it: clicks, typed entries and answers in; captions,
// labels, the listing and the screens' pixels out. Also a picture area on its own, as the
// graph screen is: its scale and closed far edges, drawing and clearing on the screen's device
// pixels. (The exclusive-or flash: the sieve's pictures and tst_desktop.)
#include "tests/support/program.h"

using namespace zr;
static const QString L = QStringLiteral("logistic");
static const QString Plain = QStringLiteral("Logistic Mapping: y = kx(1 - x)");
static const Colour Back = fromQColor(toQColor(SysWindowBackground));

// "Logistic Mapping: y = <k>x(1 - x)", `blanks` blanks, "x0 = <x0>".
static QString caption(const QString& k, int blanks, const QString& x0) {
    return "Logistic Mapping: y = " + k + "x(1 - x)" + QString(blanks, u' ') + "x0 = " + x0;
}

using Points = QList<QPointF>;
// Where an image (device pixels) is not white: the rectangle around it.
static QRect inked(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
    return box;
}
// The device pixels that the logical pixels `r` start in.
static QRect device(const QRect& r) {
    const auto at = [](int logical) { return qFloor(logical * qApp->devicePixelRatio()); };
    return QRect(at(r.left()), at(r.top()), at(r.right() + 1) - at(r.left()),
                 at(r.bottom() + 1) - at(r.top()));
}

// The program started and the logistic program chosen in the chooser.
struct Logistic : TestProgram {
    Logistic() { start(), click("intro", "cmd_logistic"); }
    PictureBox* graph() const { return area(L, "pb_graph"); }
    ValuesScreen* values() const { return control<ValuesScreen>(L, "pb_values"); }
    QScrollBar* bar(const char* name) const { return control<QScrollBar>(L, name); }
    QString caption() const { return window(L)->caption(); }
    int run(const std::function<void(int)>& step) { return TestProgram::run(L, "cmd_start", step); }
    void finish() { confirm(L, "cmd_finish"); }
    Colour at(double x, double y) const { return pixel(graph()->pixelOf(x, y)); }
    Colour pixel(QPoint p) const { return graph()->pixel(p.x(), p.y()); }
    // One "value n" a line, read by the lines' places down the screen.
    QStringList listing() const {
        QMap<double, QString> lines;
        for (const ValuesScreen::Text& t : values()->shown())
            lines[t.y] += (lines[t.y].isEmpty() ? "" : " ") + t.text;
        return lines.values();
    }
    bool blank() const {
        QImage empty = graph()->image().copy();
        empty.fill(toQColor(Back));
        return values()->shown().isEmpty() && graph()->image() == empty;
    }
};

class TestLogistic : public WindowTest {
    Q_OBJECT
  private slots:
    // k and x0 entered in turn: the text each box offers, then the caption, the x0 label and
    // the x0 bar; an x0 entry's caption shows k as taken in, a moved bar writes its own. Then
    // the graphs drawn for the k kept (0, the parabola on the x-axis), joined by another k's,
    // and cleared.
    void entriesAndGraphs() {
        Logistic p;
        QStringList seen{"", p.caption(), p.text(L, "lbl_x0")};
        for (const char* typed : {"k 3.20", "x0 0.25", "k abc", "x0 1", "k 0", "x0 0.99999"}) {
            p.enter(L, "cmd_" + QString(typed).section(' ', 0, 0),
                    {QString(typed).section(' ', 1)});
            seen << p.scripted.dialogs.shown.last().defaultText << p.caption()
                 << p.text(L, "lbl_x0") + " " + QString::number(p.bar("hsb_x0")->value());
        }
        // clang-format off
        QCOMPARE(seen, QStringList({"",     Plain,                        "x0 = 0.5000",
                                    "3.0",  caption("3.20", 12, "0.5"),  "x0 = 0.5000 5000",
                                    "0.5",  caption("3.2", 10, "0.25"),  "x0 = 0.2500 2500",
                                    "3.20", caption("abc", 12, "0.25"),  "x0 = 0.2500 2500",
                                    "0.25", caption("0.0", 14, "1"),     "x0 = 0.2500 2500",
                                    "abc",  caption("k", 12, "0.25"),    "x0 = 0.2500 2500",
                                    "1",    caption("0.0", 10, "1.0"),   "x0 = 1.0000 10000"}));
        // clang-format on
        p.bar("hsb_x0")->triggerAction(QAbstractSlider::SliderSingleStepSub); // an arrow click
        QCOMPARE(p.text(L, "lbl_x0"), "x0 = 0.9999");
        p.click(L, "cmd_draw");
        p.enter(L, "cmd_k", {"4"});
        p.click(L, "cmd_draw");
        QCOMPARE(QList<Colour>({p.at(0.5, 0), p.at(0.5, 1)}), QList<Colour>({Black, Black}));
        p.click(L, "cmd_clear");
        QCOMPARE(p.caption(), Plain);
        QVERIFY(p.blank());
    }

    // A run: the first steps' lines in their colours and their values in single precision,
    // Finish answered No, Tidy Up, the window hidden for a step (the graph kept, the values gone),
    // the last thirty lines from the top of the screen, EXIT answered Yes. Then Pause and Finish
    // before the next run; Pause again: the run, from another x0 and with k taken in as a double by
    // Draw graphs, takes one step and waits for Continue, EXIT answered No meanwhile; the speed bar
    // moved then sets the next steps' wait. Finished, and a new run started at once inside its last
    // yield: the finished run stays ended.
    void runs() {
        Logistic p;
        QList<Colour> seen;
        QStringList lines;
        p.run([&](int n) {
            if (n <= 2) seen << p.at(0.5, 0.4) << p.at(0.75, 0.3);
            if (n == 4) p.confirm(L, "cmd_finish", IDNO), lines << p.listing() << p.caption();
            if (n == 4) p.click(L, "cmd_tidy"), lines << p.listing() << p.caption();
            if (n == 4) p.rt->hide(L), seen << p.at(0.5, 0.4) << p.at(0.5, 0.75);
            if (n == 5) p.rt->show(L), lines << p.listing(); // the step taken hidden: not listed
            if (n == 6) seen << p.at(p.listing().last().section(' ', 0, 0).toDouble(), 0.3);
            if (n == 31)
                lines << QString::number(p.listing().size()) << p.listing()[0] << p.listing()[10]
                      << p.listing()[29].section(' ', 1)
                      << QString::number(p.values()->shown()[0].y)
                      << (p.values()->updatesEnabled() ? "shown" : "not shown");
            if (n == 31) lines << differs("logistic-run", p.window(L)->grab().toImage());
            if (n == 31) p.confirm(L, "cmd_exit");
        });
        const QStringList first{"0.5 0", "0.75 1", "0.5625 2", "0.73828125 3", Plain};
        QCOMPARE(lines,
                 first + first + QStringList({"30", "0.75 1", "0.7184363 11", "30", "0", "shown"}));
        QCOMPARE(seen, QList<Colour>({Green, Green, Green, Blue, Back, Black, Blue}));
        QCOMPARE(p.scripted.clock.slept, 31.0); // a second after each step
        QVERIFY(p.blank());
        p.click("intro", "cmd_logistic");
        p.click(L, "cmd_pause");
        p.finish();
        p.click(L, "cmd_draw");
        p.bar("hsb_x0")->setValue(2500);
        p.click(L, "cmd_pause");
        lines = QStringList{p.text(L, "cmd_pause")};
        QCOMPARE(p.run([&](int n) {
            if (n == 1) seen = {p.at(0.25, 0.1)};
            if (n == 2) p.confirm(L, "cmd_exit", IDNO);
            if (n <= 3) lines << p.listing();
            if (n == 3) p.bar("hsb_speed")->setValue(100), p.click(L, "cmd_pause");
            if (n == 14) lines << p.listing().last() << p.text(L, "lbl_pause"), p.finish();
            if (n == 14) p.enter(L, "cmd_k", {"1e308"}), p.click(L, "cmd_start");
        }),
                 15); // and one of the new run, which leaves the square at once
        QCOMPARE(lines, QStringList({"Continue", "0.25 0", "0.25 0", "0.25 0",
                                     "0.6068566957218066 11", "Pause interval 0.1 sec"}));
        QCOMPARE(seen, QList<Colour>({Green}));
        QCOMPARE(p.scripted.clock.slept, 31 + 1 + 12 * 0.1); // eleven steps and the new run's
        const auto& boxes = p.scripted.dialogs.shown;
        QCOMPARE(QStringList({boxes[0].title, boxes[0].text, boxes[1].title, boxes[1].text}),
                 QStringList({"Finish", "Do you want to finish this iteration?", "Exit",
                              "Do you want to finish with Logistic Mapping?"}));
    }

    // At the edges of the unit square, which is closed: its far edges light the last pixels.
    // A run that leaves it ends by itself, drawn up to the edge, and leaves the controls
    // off until Finish. Down to the smallest values, the listing stays readable: a blank's
    // width free before the step numbers, every value right, in full where it fits, else
    // with as many digits as fit.
    void edges_data() {
        QTest::addColumn<QString>("k");
        QTest::addColumn<int>("bar");
        QTest::addColumn<int>("steps");
        // The corners from the bottom left, then (0.5, 0), (0.98, 0) and (0.5, 1), drawn up
        // to the second step; with k = 0 over the graphs, the parabola on the x-axis.
        QTest::addColumn<QList<Colour>>("seen");
        const Colour G = Green, B = Blue, _ = Back;
        using Seen = QList<Colour>;
        // clang-format off
        QTest::newRow("k = 0 drawn") << "k0" << 5000 << 2 << Seen{B, _, _, Red, G, Black, _};
        QTest::newRow("from x0 = 0") << "3" << 0 << 2 << Seen{B, _, _, _, _, _, _};
        QTest::newRow("from x0 = 1") << "3" << 10000 << 2 << Seen{B, G, _, _, G, G, _};
        QTest::newRow("k = 4") << "4" << 5000 << 2 << Seen{B, B, _, G, B, B, G};
        QTest::newRow("k = 4.5 leaves") << "4.5" << 5000 << 1 << Seen{_, _, _, _, G, _, G};
        QTest::newRow("k = 0.5, smallest") << "0.5" << 5000 << 1110 << Seen{_, _, _, _, G, _, _};
        QTest::newRow("k = 4 from near 0") << "4" << 1 << 300 << Seen{B, _, _, _, _, _, _};
        // clang-format on
    }

    void edges() {
        QFETCH(QString, k);
        QFETCH(int, bar);
        QFETCH(int, steps);
        Logistic p;
        p.enter(L, "cmd_k", {k});
        p.bar("hsb_x0")->setValue(bar);
        // The orbit exactly; the first step takes 1 - x in single precision, as x0 is.
        const float x0 = float(bar / 10000.0);
        QList<double> orbit{x0, (k.toDouble() * x0) * (1.0f - x0)};
        while (orbit.size() <= steps)
            orbit.append((k.toDouble() * orbit.last()) * (1 - orbit.last()));
        const QFontMetricsF metrics(p.values()->font());
        const double room = p.values()->toPixel(15, 0).x() - metrics.horizontalAdvance(u' ');
        // A line's value is wrong, cut off, or shortened although one more digit, not a 0,
        // would fit.
        const auto unreadable = [&](const QString& line) {
            const QString text = line.section(' ', 0, 0);
            const int i = line.section(' ', 1).toInt(),
                      digits = QString(text).remove(QRegularExpression("^[-0.]*|E.*|\\D")).size();
            const double shown = text.toDouble(), v = orbit[i], off = std::abs(shown - v),
                         next = std::pow(10.0, std::floor(std::log10(std::abs(v))) - digits),
                         ulp = std::nextafter(v, 2.0) - v;
            const QString longer = QString(text).insert(
                (text + 'E').indexOf('E'), QString::number(v, 'e', digits).at(digits + 1));
            return off > 10 * next + ulp || metrics.horizontalAdvance(text) > room ||
                   (off > next / 2 + ulp && metrics.horizontalAdvance(longer) <= room);
        };
        QList<Colour> seen;
        QStringList wrong;
        const bool leaves = k.toDouble() > 4;
        if (k == "k0") p.click(L, "cmd_draw");
        QCOMPARE(p.run([&](int n) {
            if (n <= 2)
                seen = {p.at(0, 0),   p.at(1, 0),    p.at(0, 1),  p.at(1, 1),
                        p.at(0.5, 0), p.at(0.98, 0), p.at(0.5, 1)};
            for (const QString& line : n % 30 && n != steps ? QStringList() : p.listing())
                if (unreadable(line)) wrong << line;
            if (n == steps && !leaves) p.finish();
        }),
                 steps);
        QTEST(seen, "seen");
        QCOMPARE(wrong.join(", "), QString());
        QCOMPARE(p.control(L, "cmd_start")->isEnabled(), !leaves);
    }

    // A dot four pixels wide, from the pixel up and left of its own, cut by the area's edge,
    // or lines joining points, light the logical pixels they land on, all the device
    // pixels each starts in and no others, in the kept picture and on the screen: sharp and
    // in place. The unit square's far edges light the last pixels.
    void drawnOnDevicePixels_data() {
        QTest::addColumn<Points>("points");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("wide dot at the edge") << Points{{0, 0.6}} << QRect(0, 157, 3, 4);
        QTest::newRow("from outside") << Points{{-1, -0.5}, {0.5, 1}} << QRect(0, 0, 199, 199);
        QTest::newRow("edges") << Points{{0, 0}, {0, 1}, {1, 1}, {1, 0}} << QRect(0, 0, 396, 396);
    }
    void drawnOnDevicePixels() {
        QFETCH(Points, points);
        QFETCH(QRect, pixels);
        // As the graph screen is: the unit square, y up, 396 logical pixels a side, white.
        const auto pb =
            std::make_unique<PictureBox>(nullptr, "pb_graph", "Graph", QRectF(0, 0, 6000, 6000));
        pb->setScale(0, 1, 1, -1);
        pb->setBackColor(White);
        pb->show();
        QVERIFY(QTest::qWaitForWindowExposed(pb.get()));
        if (points.size() == 1) pb->setDrawWidth(4), pb->pset(points[0].x(), points[0].y(), Red);
        for (int i = 1; i < points.size(); ++i)
            pb->line(points[i - 1].x(), points[i - 1].y(), points[i].x(), points[i].y(), Black);
        QCOMPARE(inked(pb->image()), device(pixels));
        // Each drawing reaches the screen as it is drawn, without a repaint of the whole area,
        // and so does a clear (read from the screen itself at one device pixel a logical pixel).
        for (const QRect& shown : {device(pixels), QRect()}) {
            QPixmap screen = pb->grab();
            if (qApp->devicePixelRatio() == 1) screen = pb->screen()->grabWindow(pb->winId());
            QCOMPARE(inked(screen.toImage().copy(device(pb->contentsRect()))), shown);
            pb->cls();
        }
    }
};

QTEST_MAIN(TestLogistic)
#include "tst_logistic.moc"
