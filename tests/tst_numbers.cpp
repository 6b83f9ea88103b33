// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Number services: reading, writing and rounding numbers, and the arithmetic of window-level
// values whose kind decides single or double precision. Each row holds what the service made
// of its input and what it should have made. Then the random-vertex game's choice of a vertex,
// built on them (where its points fall: tst_sieve).
#include "runtime/numbers.h"
#include "runtime/value.h"
#include "sieve/vertexgame.h"

#include <QtTest>

using namespace zr;
using namespace vertexgame;

namespace {
const Precision S = Precision::Single, D = Precision::Double, I = Precision::Integer;

// What each text reads as, or "refused".
QString read(std::initializer_list<QString> texts) {
    QStringList out;
    for (const QString& text : texts)
        out << (readNumber(text).ok ? QString::number(readNumber(text).value) : "refused");
    return out.join(' ');
}
// The value's kind, then its text as a caption shows it.
QString shown(const Value& v) {
    static const char* const kinds[] = {"empty",  "flag",   "int16", "long",
                                        "single", "double", "text"};
    return kinds[int(v.kind())] + (": " + v.toText());
}
} // namespace

class TstNumbers : public QObject {
    Q_OBJECT

  private slots:
    void numbers_data() {
        QTest::addColumn<QString>("made");
        QTest::addColumn<QString>("expected");
        const auto i = [](int n) { return Value::integer(n); };
        const auto row = [](const char* name, const QString& made, const QString& expected) {
            QTest::newRow(name) << made << expected;
        };
        row("read: blanks, sign, point, comma", read({" \t\r\n-3.5", ".5,5"}), "-3.5 0.5");
        row("read: none, too small", read({"+.e5", "- 1", "\u00a01", "0.01e-399"}), "0 0 0 0");
        row("read: exponent D plus; without digits", read({"2D+1", "5e+x"}), "20 5");
        row("read: too large", read({"1e400", QString(400, u'9'), "1e99999999999999999999"}),
            "refused refused refused");

        row("pattern: mandatory zeros", formatNumber(0.5, "0.0000", S), "0.5000");
        row("pattern: integer keeps a decimal, hashes show digits",
            formatNumber(3, "0.0###", I) + " " + formatNumber(0.96875, "0.0###", D), "3.0 0.9688");
        row("pattern: fifteen digits first", formatNumber(2.6749999999999994, "0.00", D), "2.68");
        row("pattern: carry into whole part", formatNumber(0.99999, "0.0###", D), "1.0");
        row("pattern: half away from zero",
            formatNumber(-0.5, "0", D) + " " + formatNumber(-2.5, "0", D), "-1 -3");
        row("pattern: no minus zero far below", formatNumber(-1e-5, "0.00", D), "0.00");
        row("pattern: no places left, none asked",
            formatNumber(3, "0.##", I) + " " + formatNumber(0, "#.00", D) + " " +
                formatNumber(0.005, "#.00", D),
            "3 .00 .01");
        row("pattern: seven digits first", formatNumber(1.2345678, "0.0000000", S), "1.2345680");
        row("pattern: zeros past digits", formatNumber(1e20, "0.0", D), "100000000000000000000.0");
        row("pattern: minus infinity", formatNumber(-qInf(), "0.00", D), "-Infinity");
        row("pattern: beyond a single", formatNumber(1e39, "0.00", S), "Infinity");
        row("general: single third", generalForm(1.0 / 3, S), "0.33333334");
        row("general: double third", generalForm(1.0 / 3, D), "0.3333333333333333");
        row("general: single exponent", generalForm(12345678, S), "1.2345678E+07");
        row("general: double exponent from 1E+15",
            generalForm(1e14, D) + " " + generalForm(1e15, D), "100000000000000 1E+15");
        row("general: plain down to 1E-04", generalForm(-0.0001, D) + " " + generalForm(1e-5, D),
            "-0.0001 1E-05");
        row("general: beyond a single", generalForm(-1.5e40, D), "-1.5E+40");
        row("general: integer", shown(i(-32768)), "int16: -32768");
        row("general: nan", generalForm(qQNaN(), D), "NaN");
        row("general: zeros after the digits", generalForm(1500, S), "1500");
        // Where zeros are wide, the exponent form fits first.
        const auto narrow = [](const QString& t) { return !t.contains("0.000") && t.size() <= 10; };
        row("fitted: other form, no zeros at the end, infinity whole",
            generalForm(0.00012345678, D, narrow) + " " + generalForm(0.19999999999, D, narrow) +
                " " + generalForm(-qInf(), D, narrow),
            "1.2346E-04 0.2 -Infinity");
        row("fitted: one digit at least", generalForm(123.4, D, [](auto&) { return false; }),
            "100");
        row("signed: blank for plus", signedForm(0.5, D), " 0.5");
        row("signed: zero as a single", signedForm(-1e-50, S), " 0");

        row("value: below int16 is long", shown(i(-32769)), "long: -32769");
        row("value: int16 widens to long", shown(i(32767) + i(1)), "long: 32768");
        row("value: long narrows back", shown(i(40000) - i(39999)), "int16: 1");
        row("value: long overflows", shown(i(2147483647) + i(1)), "double: 2147483648");
        row("value: long to its greatest", shown(i(2147483646) + i(1)), "long: 2147483647");
        row("value: long to its least", shown(i(-2147483647) - i(1)), "long: -2147483648");
        row("value: true is minus one", shown(Value::boolean(true) * i(3)), "int16: -3");
        row("value: nothing counts 0", shown(Value() + i(2)), "int16: 2");
        row("value: single beats long", shown(i(100000) * Value::single(0.1f)), "single: 10000");
        row("value: singles stay single", shown(Value::single(0.1f) + Value::single(0.2f)),
            "single: 0.3");
        row("value: double beats single", shown(Value::single(0.1f) - Value::real(0.1)),
            "double: 1.4901161138336505E-09");
        row("value: text is double", shown(Value::text("2.5x") + i(1)), "double: 3.5");
        row("value: unreadable text is 0", shown(Value::text("1e400") - i(1)), "double: -1");
    }
    void numbers() {
        QFETCH(QString, made);
        QFETCH(QString, expected);
        QCOMPARE(made, expected);
    }

    // The integer part of the random number times the count. A count typed in is a double,
    // and so is the product: in single precision 6 x 0.833333313 would round up to 5.
    void vertexChoice() { QCOMPARE(chooseVertex(0.833333313f, zr::Value::real(6)), 4); }
};

QTEST_GUILESS_MAIN(TstNumbers)
#include "tst_numbers.moc"
