// Runs far longer than a user watches: the counters and the listing stay right past the
// 16-bit limits, and a long sieve run holds no more memory than a short one.
#include "shell/intro.h"
#include "tests/support/program.h"

#include <QFile>
#include <QtTest>

using namespace zr;

namespace {

// The peak resident memory of this process so far, in kB.
long peakResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

} // namespace

class TestLongRuns : public QObject {
    Q_OBJECT
  private slots:
    void sieveMillionPoints();
    void logisticPastSixteenBits();
};

void TestLongRuns::sieveMillionPoints() {
    TestProgram p;
    p.start();
    p.window<intro>(intro::Name)->cmd_sierp->click();
    auto* w = p.window<Sierpinski>(Sierpinski::Name);
    p.scripted.dialogs.type(QStringLiteral("5"));
    w->cmd_vert->click();
    w->hsb_speed->setValue(0);

    constexpr int Points = 1000000;
    int n = 0, wrong = 0;
    long peakAtTenth = 0, peakAtEnd = 0;
    QString firstWrong;
    p.rt->setYieldHook([&] {
        ++n; // the n-th new point is plotted and counted before this yield
        const QString expected = QLatin1Char(' ') + QString::number(n);
        if (w->lbl_iters->text() != expected && wrong++ == 0)
            firstWrong = w->lbl_iters->text() + QStringLiteral(" at ") + QString::number(n);
        if (n == Points / 10) peakAtTenth = peakResidentKb();
        if (n == Points) {
            peakAtEnd = peakResidentKb();
            p.scripted.dialogs.answer(IDYES);
            w->cmd_finish->click();
        }
    });
    w->cmd_iter->click();
    p.rt->setYieldHook({});
    QCOMPARE(n, Points);
    QVERIFY2(wrong == 0, qPrintable(firstWrong));
    QVERIFY(peakAtTenth > 0);
    QVERIFY2(peakAtEnd <= peakAtTenth * 11 / 10,
             qPrintable(QStringLiteral("%1 kB after 100000 points, %2 kB after 1000000")
                            .arg(peakAtTenth)
                            .arg(peakAtEnd)));
}

void TestLongRuns::logisticPastSixteenBits() {
    TestProgram p;
    p.start();
    p.window<intro>(intro::Name)->cmd_logistic->click();
    auto* w = p.window<logistic>(logistic::Name);
    p.scripted.dialogs.type(QStringLiteral("3.7")); // k a double: the orbit wanders
    w->cmd_k->click();
    w->hsb_speed->setValue(0);

    constexpr int LastStep = 65600;
    int yields = 0;
    QList<ValuesScreen::Text> listing;
    p.rt->setYieldHook([&] {
        // Before the n-th yield the listing ends with step n - 1.
        if (++yields == LastStep + 1) {
            listing = w->pb_values->shown();
            p.scripted.dialogs.answer(IDYES);
            w->cmd_finish->click();
        }
    });
    w->cmd_start->click();
    p.rt->setYieldHook({});
    QCOMPARE(yields, LastStep + 1);

    // The same orbit, worked out here: x(0) = 0.5, then (k x)(1 - x) in double precision.
    std::vector<double> x{0.5};
    while (static_cast<int>(x.size()) <= LastStep)
        x.push_back((3.7 * x.back()) * (1 - x.back()));
    QCOMPARE(listing.size(), 60); // thirty lines of a value and its step number
    const double lineHeight = listing[2].y - listing[0].y;
    QVERIFY(listing[0].y == 0 && lineHeight > 0);
    for (int line = 0; line < 30; ++line) {
        const int step = LastStep - 29 + line;
        const ValuesScreen::Text& value = listing[2 * line];
        const ValuesScreen::Text& number = listing[2 * line + 1];
        QCOMPARE(value.text, generalForm(x[step], Precision::Double));
        QCOMPARE(readNumber(value.text).value, x[step]);
        QCOMPARE(number.text, QString::number(step));
        QVERIFY(value.x == 0 && number.x == 15);
        QVERIFY(value.y == line * lineHeight && number.y == value.y);
    }
}

QTEST_MAIN(TestLongRuns)
#include "tst_longruns.moc"
