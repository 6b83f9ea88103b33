// Number services: reading, writing, rounding and comparing numbers, and the arithmetic of
// window-level values whose kind decides single or double precision. Each row holds what
// the service made of its input and what it should have made.
#include "runtime/numbers.h"
#include "runtime/value.h"

#include <QtTest>

using namespace zr;

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
// The sign of compareText both ways round.
QString order(const QString& a, const QString& b) {
    return QString::number(qBound(-1, compareText(a, b), 1)) + " " +
           QString::number(qBound(-1, compareText(b, a), 1));
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
        row("read: long fraction", read({"0." + QString(399, u'0') + "1e400"}), "1");
        row("read: long exponent", read({"3e" + QString(400000, u'0') + "1"}), "30");

        row("pattern: mandatory zeros", formatNumber(0.5, "0.0000", S), "0.5000");
        row("pattern: integer keeps a decimal", formatNumber(3, "0.0###", I), "3.0");
        row("pattern: fifteen digits first", formatNumber(2.675, "0.00", D), "2.68");
        row("pattern: carry into whole part", formatNumber(0.99999, "0.0###", D), "1.0");
        row("pattern: half away from zero", formatNumber(-2.5, "0", D), "-3");
        row("pattern: no minus zero", formatNumber(-0.004, "0.00", D), "0.00");
        row("pattern: no decimals, no point", formatNumber(3, "0.##", I), "3");
        row("pattern: single tie", formatNumber(0.73828125, "0.0000000", S), "0.7382813");
        row("pattern: zeros past the digits", formatNumber(1e20, "00.0###", D),
            "100000000000000000000.0");
        row("pattern: minus infinity", formatNumber(-qInf(), "0.00", D), "-Infinity");
        row("general: single third", generalForm(1.0 / 3, S), "0.33333334");
        row("general: double third", generalForm(1.0 / 3, D), "0.3333333333333333");
        row("general: single exponent", generalForm(12345678, S), "1.2345678E+07");
        row("general: double in full", generalForm(123456789012345, D), "123456789012345");
        row("general: small plain", generalForm(-0.0001, D), "-0.0001");
        row("general: small exponent", generalForm(1.5e-7, D), "1.5E-07");
        row("general: integer", generalForm(-32768, I), "-32768");
        row("general: nan", generalForm(qQNaN(), D), "NaN");
        row("signed: blank for plus", signedForm(0.5, D), " 0.5");
        row("signed: zero as a single", signedForm(-1e-50, S), " 0");

        row("floor", QString::number(integerPart(-2.5)), "-3");
        row("even: down", QString::number(roundHalfEven(2.5)), "2");
        row("even: up", QString::number(roundHalfEven(-3.5)), "-4");
        row("even: above half", QString::number(roundHalfEven(0.51)), "1");
        row("even: below half", QString::number(roundHalfEven(0.49999999999999994)), "0");

        row("compare: prefix first", order("0.5", "0") + " " + order("0", ""), "1 -1 1 -1");
        row("compare: by codes", order("0", " 3") + " " + order("a", "0"), "1 -1 1 -1");
        row("compare: equal", order("abc", "abc"), "0 0");
        row("compare: code units", order(QChar(0xffff), QString::fromUcs4(U"\U00010000")), "1 -1");

        row("value: below int16 is long", shown(i(-32769)), "long: -32769");
        row("value: int16 widens to long", shown(i(32767) + i(1)), "long: 32768");
        row("value: long narrows back", shown(i(40000) - i(39999)), "int16: 1");
        row("value: long overflows", shown(i(2147483647) + i(1)), "double: 2147483648");
        row("value: true is minus one", shown(Value::boolean(true) * i(3)), "int16: -3");
        row("value: false", shown(Value::boolean(false)), "flag: False");
        row("value: nothing counts 0", shown(Value() + i(2)), "int16: 2");
        row("value: single beats long", shown(i(100000) * Value::single(0.1f)), "single: 10000");
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
};

QTEST_GUILESS_MAIN(TstNumbers)
#include "tst_numbers.moc"
