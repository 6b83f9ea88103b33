// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The logistic mapping without a window: the listing's last thirty lines (a step's values in
// their number kinds and its lines on the graph screen: tst_logistic); the bifurcation diagram
// against what is known of the mapping, and the worker that hands a view over column by
// column.
#include "logistic/bifurcation.h"
#include "logistic/diagramcomputer.h"
#include "logistic/logisticmap.h"

#include <QSignalSpy>
#include <QThread>
#include <QtTest>
#include <cmath>
#include <numeric>

using namespace zr;
using namespace logisticmap;
using namespace bifurcation;
using Values = QVector<double>;

class TestLogisticMaths : public QObject {
    Q_OBJECT
  private slots:
    // After 1, 30, 31 and 70,000 steps: the lines, the first's and the last's step number,
    // whether the screen is written afresh.
    void listingKeepsTheLastThirty() {
        Listing listing;
        QList<qint64> seen;
        for (int n = 0; n < 70000; ++n) {
            const bool afresh = listing.add(Value::real(n), n);
            if (n == 0 || n == 29 || n == 30 || n == 69999)
                seen << listing.count() << listing.line(0).n << listing.line(listing.count() - 1).n
                     << afresh;
        }
        QCOMPARE(seen,
                 QList<qint64>({1, 0, 0, 0, 30, 0, 29, 0, 30, 1, 30, 1, 30, 69970, 69999, 1}));
        QCOMPARE(listing.line(0).x, Value::real(69970));
    }

    // The column at k of a view over x from 0 to 1 in 2000 rows.
    void column_data() {
        QTest::addColumn<double>("k");
        QTest::addColumn<int>("period");    // 0: chaos, a band of values
        QTest::addColumn<Values>("cycle");  // values the orbit settles on, as far as known
        QTest::addColumn<Values>("lambda"); // bounds of the Lyapunov exponent
        const Values stable{-qInf(), 0}, ln2{std::log(2.0) - 0.01, std::log(2.0) + 0.01};
        QTest::newRow("0.5 dies out") << 0.5 << 1 << Values{} << stable; // at 0: the last row
        QTest::newRow("2.8") << 2.8 << 1 << Values{1 - 1 / 2.8} << stable;
        QTest::newRow("3.2") << 3.2 << 2 << Values{0.79946, 0.51304} << stable;
        QTest::newRow("3.5") << 3.5 << 4 << Values{} << stable;
        QTest::newRow("3.83 window") << 3.83 << 3 << Values{} << stable;
        QTest::newRow("4 chaos") << 4.0 << 0 << Values{} << ln2;
    }
    void column() {
        QFETCH(double, k);
        QFETCH(int, period);
        QFETCH(Values, cycle);
        QFETCH(Values, lambda);
        const Column column = computeColumn(View{k, k, 0, 1}, 0, 1, 2000);
        const int visited = 2000 - column.counts.count(0);
        QCOMPARE(visited > 1000 ? 0 : visited, period);
        for (double x : cycle)
            QVERIFY(column.counts[int((1 - x) * 2000)] > 0);
        // Every step after the transient one counted, once.
        QCOMPARE(std::accumulate(column.counts.cbegin(), column.counts.cend(), 0),
                 Sampling().plotted);
        QVERIFY(column.lyapunov > lambda[0]);
        QVERIFY(column.lyapunov < lambda[1]);
    }

    // At k = 2 the orbit rests on 0.5 exactly: a view's top edge belongs to its top row, its
    // bottom edge to its last row; a view it lies outside, an empty or an endless one, counts
    // nothing.
    void viewEdges() {
        const quint32 all = Sampling().plotted;
        QList<QVector<quint32>> seen;
        for (const QPointF x : {QPointF(0, 0.5), QPointF(0.5, 1), QPointF(0.6, 1),
                                QPointF(0.5, 0.5), QPointF(-qInf(), 0.5)})
            seen << computeColumn(View{2, 2, x.x(), x.y()}, 0, 1, 2).counts;
        QCOMPARE(seen, (QList<QVector<quint32>>{{all, 0}, {0, all}, {0, 0}, {0, 0}, {0, 0}}));
    }

    // The diagram zoomed to k from 3 to 3.6 and x from 0.42 to 0.52, 600 by 10 pixels, started
    // over the whole view, itself started over a larger one still computing: only its columns
    // come, in order.
    void computerDeliversTheLatestView() {
        DiagramComputer computer;
        QSignalSpy chunks(&computer, &DiagramComputer::columnsReady);
        computer.start(View(), 4000, 2000), computer.start(View(), 40, 20);
        computer.findChild<QThread*>()->wait(); // its columns wait in the queue
        computer.start(View{3.0, 3.6, 0.42, 0.52}, 600, 10);
        QTRY_COMPARE(chunks.size(), 600 / DiagramComputer::ChunkColumns + 1);
        QVector<Column> got;
        for (const QVariantList& chunk : chunks) {
            QCOMPARE(chunk[1].toInt(), got.size());
            got += chunk[2].value<QVector<Column>>();
        }
        QCOMPARE(got.size(), 600);
        // Column 200 has the k of its pixel's centre; of its 2-cycle only the lower value,
        // 0.513, falls into the view, in its top row.
        QCOMPARE(got[200].k, 3.2005);
        QVector<quint32> counts(10, 0);
        counts[0] = Sampling().plotted / 2;
        QCOMPARE(got[200].counts, counts);
        // Days of work, dropped as the computer goes: only stopping between columns ends it
        // in time.
        computer.start(View(), 1000000, 10);
    }
};

QTEST_GUILESS_MAIN(TestLogisticMaths)
#include "tst_logisticmaths.moc"
