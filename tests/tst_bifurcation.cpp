// The bifurcation diagram against what is known of the logistic mapping, and the worker that
// hands a view over column by column.
#include "logistic/bifurcation.h"
#include "logistic/diagramcomputer.h"

#include <QSignalSpy>
#include <QThread>
#include <QtTest>
#include <cmath>
#include <memory>

using namespace bifurcation;
using Values = QVector<double>;

constexpr int Rows = 2000;
constexpr int Chunk = DiagramComputer::ChunkColumns;
const Sampling Quick{1000, 1000};

class TstBifurcation : public QObject {
    Q_OBJECT

  private slots:
    void column_data() {
        QTest::addColumn<double>("k");
        QTest::addColumn<int>("period"); // 0: chaos, a band of values
        QTest::addColumn<Values>("cycle");
        QTest::addColumn<double>("lambdaMin");
        QTest::addColumn<double>("lambdaMax");
        const double ln08 = std::log(0.8), ln05 = std::log(0.5), ln2 = std::log(2.0);
        QTest::newRow("2.8") << 2.8 << 1 << Values{1 - 1 / 2.8} << ln08 - 0.01 << ln08 + 0.01;
        QTest::newRow("3.2") << 3.2 << 2 << Values{0.7995, 0.5130} << -qInf() << 0.0;
        QTest::newRow("3.5") << 3.5 << 4 << Values{} << -qInf() << 0.0;
        QTest::newRow("3.83 window") << 3.83 << 3 << Values{} << -qInf() << 0.0;
        QTest::newRow("before doubling") << 2.99 << 1 << Values{} << -qInf() << 0.0;
        QTest::newRow("after doubling") << 3.01 << 2 << Values{} << -qInf() << 0.0;
        QTest::newRow("before 2nd doubling") << 3.44 << 2 << Values{} << -qInf() << 0.0;
        QTest::newRow("after 2nd doubling") << 3.46 << 4 << Values{} << -qInf() << 0.0;
        QTest::newRow("3.9 chaos") << 3.9 << 0 << Values{} << 0.0 << qInf();
        QTest::newRow("4 chaos") << 4.0 << 0 << Values{} << ln2 - 0.01 << ln2 + 0.01;
        QTest::newRow("0.5 dies out") << 0.5 << 1 << Values{0.0} << ln05 - 0.01 << ln05 + 0.01;
    }
    void column() {
        QFETCH(double, k);
        QFETCH(int, period);
        QFETCH(Values, cycle);
        QFETCH(double, lambdaMin);
        QFETCH(double, lambdaMax);
        const Column column = computeColumn(View{k, k, 0, 1}, 0, 1, Rows);
        Values visited; // centres of the rows visited, top first
        quint32 total = 0;
        for (int row = 0; row < Rows; total += column.counts[row++])
            if (column.counts[row] > 0) visited << 1 - (row + 0.5) / Rows;
        QCOMPARE(total, quint32(Sampling().plotted));
        QVERIFY(period > 0 ? visited.size() == period : visited.size() > Rows / 2);
        for (int i = 0; i < cycle.size(); ++i)
            QVERIFY(qAbs(visited[i] - cycle[i]) < 0.5 / Rows + 1e-4);
        QVERIFY(column.lyapunov > lambdaMin && column.lyapunov < lambdaMax);
    }

    void countsOnlyWhatTheViewShows() {
        const Column ranOff = computeColumn(View{4.5, 4.5, 0, 1}, 0, 1, 10);
        QCOMPARE(ranOff.counts, QVector<quint32>(10, 0));
        QVERIFY(std::isnan(ranOff.lyapunov));
        QVector<quint32> zoomed(10, 0);
        zoomed[8] = Sampling().plotted / 2; // 0.5130 of the cycle; 0.7995 is above the view
        QCOMPARE(computeColumn(View{3.2, 3.2, 0.5, 0.6}, 0, 1, 10).counts, zoomed);
        QCOMPARE(columnOf(View{3.0, 3.0, 0, 1}, 600, 3.0), -1);    // an empty k range
        QCOMPARE(rowOf(View{3.0, 3.1, -qInf(), 1}, 400, 0.5), -1); // an endless x range
    }

    // The default view at 600 x 400 pixels.
    void pixels_data() {
        QTest::addColumn<bool>("isK");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("pixel");
        QTest::newRow("k left edge") << true << 2.5 << 0;
        QTest::newRow("k = 3") << true << 3.0 << 200;
        QTest::newRow("k right edge") << true << 4.0 << 599;
        QTest::newRow("k beyond") << true << 4.001 << -1;
        QTest::newRow("x top edge") << false << 1.0 << 0;
        QTest::newRow("x bottom edge") << false << 0.0 << 399;
        QTest::newRow("x below") << false << -0.001 << -1;
        QTest::newRow("x NaN") << false << qQNaN() << -1;
    }
    void pixels() {
        QFETCH(bool, isK);
        QFETCH(double, value);
        QFETCH(int, pixel);
        const View view;
        QCOMPARE(isK ? columnOf(view, 600, value) : rowOf(view, 400, value), pixel);
        if (isK && pixel >= 0) QCOMPARE(columnOf(view, 600, columnK(view, pixel, 600)), pixel);
    }

    // Each view is started over another one, whose chunks still queued must be dropped.
    void deliversTheLatestViewInOrder_data() {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QVector<int>>("firsts");
        QTest::newRow("three chunks") << 2 * Chunk + 8 << QVector<int>{0, Chunk, 2 * Chunk};
        QTest::newRow("part of one") << 5 << QVector<int>{0};
        QTest::newRow("empty") << 0 << QVector<int>{};
    }
    void deliversTheLatestViewInOrder() {
        QFETCH(int, columns);
        QFETCH(QVector<int>, firsts);
        DiagramComputer computer;
        QSignalSpy chunks(&computer, &DiagramComputer::columnsReady);
        QSignalSpy done(&computer, &DiagramComputer::finished);
        computer.start(View(), 2 * Chunk, 20, Quick);
        computer.findChild<QThread*>()->wait();
        const View view{3.0, 3.6, 0.2, 0.9};
        const int generation = computer.start(view, columns, 30, Quick);
        QVERIFY(computer.isComputing());
        QTRY_COMPARE(done.size(), 1);
        QCOMPARE(done[0][0].toInt(), generation);
        QVERIFY(!computer.isComputing());
        QVector<int> started;
        QVector<Column> got;
        for (const QVariantList& chunk : chunks) {
            QCOMPARE(chunk[0].toInt(), generation);
            started << chunk[1].toInt();
            got += chunk[2].value<QVector<Column>>();
        }
        QCOMPARE(started, firsts);
        QCOMPARE(got.size(), columns);
        for (int i = 0; i < columns; ++i) {
            const Column expected = computeColumn(view, i, columns, 30, Quick);
            QCOMPARE(got[i].counts, expected.counts);
            QCOMPARE(got[i].lyapunov, expected.lyapunov);
        }
    }

    void stopsMidComputation_data() {
        QTest::addColumn<bool>("destroy");
        QTest::newRow("cancelled") << false;
        QTest::newRow("destroyed") << true;
    }
    void stopsMidComputation() {
        QFETCH(bool, destroy);
        auto computer = std::make_unique<DiagramComputer>();
        QSignalSpy chunks(computer.get(), &DiagramComputer::columnsReady);
        QSignalSpy done(computer.get(), &DiagramComputer::finished);
        // Days of work: only stopping between columns ends it in time.
        computer->start(View(), 1000000, 10, Sampling{1000, 1000000});
        QTRY_VERIFY(!chunks.isEmpty());
        const int delivered = chunks.size();
        destroy ? computer.reset() : computer->cancel();
        QCoreApplication::processEvents();
        QCOMPARE(chunks.size(), delivered);
        QVERIFY(done.isEmpty());
        if (computer) QVERIFY(!computer->isComputing());
    }
};

QTEST_GUILESS_MAIN(TstBifurcation)
#include "tst_bifurcation.moc"
