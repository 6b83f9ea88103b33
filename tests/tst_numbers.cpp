// Number services: reading, writing, rounding and comparing numbers, and the arithmetic of
// window-level values whose kind decides single or double precision.
#include "runtime/numbers.h"
#include "runtime/value.h"

#include <QtTest>

#include <clocale>
#include <limits>

using zr::Precision;
using zr::Value;
using Kind = zr::Value::Kind;

Q_DECLARE_METATYPE(zr::Precision)
Q_DECLARE_METATYPE(zr::Value)

namespace {
const double kInf = std::numeric_limits<double>::infinity();
const auto S = Precision::Single;
const auto D = Precision::Double;
const auto I = Precision::Integer;

QString unit(char16_t u) {
    return QString(QChar(u));
}
} // namespace

class TstNumbers : public QObject {
    Q_OBJECT

  private slots:
    void readNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("ok");
        QTest::newRow("blanks and sign") << " \t\r\n-3.5" << -3.5 << true;
        QTest::newRow("point first") << ".5" << 0.5 << true;
        QTest::newRow("comma stops") << "3,5" << 3.0 << true;
        QTest::newRow("empty") << "" << 0.0 << true;
        QTest::newRow("no digits with exponent") << "+.e5" << 0.0 << true;
        QTest::newRow("blank after sign") << "- 1" << 0.0 << true;
        QTest::newRow("no-break space") << unit(0xa0) + "1" << 0.0 << true;
        QTest::newRow("exponent D plus") << "2D+1" << 20.0 << true;
        QTest::newRow("exponent sign only") << "5e+x" << 5.0 << true;
        QTest::newRow("too large") << "1e400" << 0.0 << false;
        QTest::newRow("400 digits") << QString(400, u'9') << 0.0 << false;
        QTest::newRow("huge exponent digits") << "1e99999999999999999999" << 0.0 << false;
        QTest::newRow("too small") << "1e-400" << 0.0 << true;
        QTest::newRow("long fraction scaled") << "0." + QString(399, u'0') + "1e400" << 1.0 << true;
        QTest::newRow("many blanks") << QString(400000, u' ') + "7" << 7.0 << true;
        QTest::newRow("many exponent zeros") << "3e" + QString(400000, u'0') + "1" << 30.0 << true;
    }
    void readNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(bool, ok);
        const zr::NumberRead r = zr::readNumber(text);
        QCOMPARE(r.ok, ok);
        QCOMPARE(r.value, value);
    }

    void readNumberIgnoresCLocale() {
        const QByteArray saved = std::setlocale(LC_NUMERIC, nullptr);
        if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
            QSKIP("no locale with a decimal comma is installed");
        const double point = zr::readNumber("2.5").value;
        const double comma = zr::readNumber("2,5").value;
        std::setlocale(LC_NUMERIC, saved.constData());
        QCOMPARE(point, 2.5);
        QCOMPARE(comma, 2.0);
    }

    // A pattern of "" stands for the general form, "+" for the signed form.
    void writeNumber_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<Precision>("precision");
        QTest::addColumn<QString>("expected");
        QTest::newRow("mandatory zeros") << 0.5 << "0.0000" << D << "0.5000";
        QTest::newRow("integer keeps one decimal") << 3.0 << "0.0###" << I << "3.0";
        QTest::newRow("fifteen digits first") << 2.675 << "0.00" << D << "2.68";
        QTest::newRow("carry into whole part") << 0.99999 << "0.0###" << D << "1.0";
        QTest::newRow("half away from zero") << -2.5 << "0" << D << "-3";
        QTest::newRow("rounds to zero unsigned") << -0.004 << "0.00" << D << "0.00";
        QTest::newRow("no decimals drop point") << 3.0 << "0.##" << I << "3";
        QTest::newRow("single tie rounds away") << 0.73828125 << "0.0000000" << S << "0.7382813";
        QTest::newRow("double fifteen digits")
            << 0.1 + 0.2 << "0.0000000000000000" << D << "0.3000000000000000";
        QTest::newRow("huge in full") << 1e300 << "0.0###" << D << "1" + QString(300, u'0') + ".0";
        QTest::newRow("minus infinity") << -kInf << "0.00" << D << "-Infinity";
        QTest::newRow("general: single third") << 1.0 / 3 << "" << S << "0.33333334";
        QTest::newRow("general: double third") << 1.0 / 3 << "" << D << "0.3333333333333333";
        QTest::newRow("general: single eight digits") << 12345678.0 << "" << S << "1.2345678E+07";
        QTest::newRow("general: double fifteen digits") << 1e14 << "" << D << "100000000000000";
        QTest::newRow("general: small plain") << -0.0001 << "" << D << "-0.0001";
        QTest::newRow("general: small exponent") << 1.5e-7 << "" << D << "1.5E-07";
        QTest::newRow("general: negative zero") << -0.0 << "" << D << "0";
        QTest::newRow("general: integer") << -32768.0 << "" << I << "-32768";
        QTest::newRow("general: nan")
            << std::numeric_limits<double>::quiet_NaN() << "" << D << "NaN";
        QTest::newRow("signed: positive has a blank") << 0.5 << "+" << D << " 0.5";
        QTest::newRow("signed: negative") << -2.0 << "+" << I << "-2";
        QTest::newRow("signed: negative only as a double") << -1e-50 << "+" << S << " 0";
    }
    void writeNumber() {
        QFETCH(double, value);
        QFETCH(QString, pattern);
        QFETCH(Precision, precision);
        QFETCH(QString, expected);
        QCOMPARE(pattern.isEmpty() ? zr::generalForm(value, precision)
                 : pattern == "+"  ? zr::signedForm(value, precision)
                                   : zr::formatNumber(value, pattern, precision),
                 expected);
    }

    void rounding_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("floor");
        QTest::addColumn<double>("halfEven");
        QTest::newRow("half") << 0.5 << 0.0 << 0.0;
        QTest::newRow("two and a half") << 2.5 << 2.0 << 2.0;
        QTest::newRow("minus two and a half") << -2.5 << -3.0 << -2.0;
        QTest::newRow("small negative") << -0.4 << -1.0 << 0.0;
        QTest::newRow("largest below half") << 0.49999999999999994 << 0.0 << 0.0;
    }
    void rounding() {
        QFETCH(double, value);
        QFETCH(double, floor);
        QFETCH(double, halfEven);
        QCOMPARE(zr::integerPart(value), floor);
        QCOMPARE(zr::roundHalfEven(value), halfEven);
    }

    void compareText_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("sign");
        const auto row = [](const char* name, QString a, QString b, int sign) {
            QTest::newRow(name) << a << b << sign;
        };
        row("longer with prefix", "0.5", "0", 1);
        row("blank", " 3", "0", -1);
        row("letter", "a", "0", 1);
        row("empty", "", "0", -1);
        row("equal", "abc", "abc", 0);
        row("code units not code points", QString::fromUcs4(U"\U00010000"), unit(0xffff), -1);
    }
    void compareText() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, sign);
        const auto signOf = [](int n) { return (n > 0) - (n < 0); };
        QCOMPARE(signOf(zr::compareText(a, b)), sign);
        QCOMPARE(signOf(zr::compareText(b, a)), -sign);
    }

    void arithmetic_data() {
        QTest::addColumn<Value>("a");
        QTest::addColumn<Value>("b");
        QTest::addColumn<char>("op");
        QTest::addColumn<Value>("expected");
        const auto i = [](int n) { return Value::integer(n); };
        const auto f = [](float x) { return Value::single(x); };
        const auto d = [](double x) { return Value::real(x); };
        const Value intMax = i(std::numeric_limits<int>::max());
        QTest::newRow("int16 widens to long") << i(32767) << i(1) << '+' << i(32768);
        QTest::newRow("long narrows back") << i(40000) << i(39999) << '-' << i(1);
        QTest::newRow("long overflow to double") << intMax << i(1) << '+' << d(2147483648.0);
        QTest::newRow("true is minus one") << Value::boolean(true) << i(1) << '+' << i(0);
        QTest::newRow("single beats int16") << i(3) << f(0.5f) << '*' << f(1.5f);
        QTest::newRow("single beats long") << i(100000) << f(0.5f) << '*' << f(50000.0f);
        QTest::newRow("double beats single") << f(0.5f) << d(0.25) << '-' << d(0.25);
        QTest::newRow("text is double") << Value::text("2.5x") << i(1) << '+' << d(3.5);
        QTest::newRow("integers divide as double") << i(7) << i(2) << '/' << d(3.5);
        QTest::newRow("single divides as single") << f(1.0f) << i(3) << '/' << f(1.0f / 3.0f);
        QTest::newRow("text divides as double") << Value::text("1") << f(3) << '/' << d(1.0 / 3);
    }
    void arithmetic() {
        QFETCH(Value, a);
        QFETCH(Value, b);
        QFETCH(char, op);
        QFETCH(Value, expected);
        const Value r = op == '+' ? a + b : op == '-' ? a - b : op == '*' ? a * b : a / b;
        QCOMPARE(r.kind(), expected.kind());
        QCOMPARE(r.toText(), expected.toText());
        QVERIFY(r == expected);
    }

    void valueKindsAndTexts() {
        const auto kind = [](int n) { return Value::integer(n).kind(); };
        QCOMPARE((QList<Kind>{kind(-32769), kind(-32768), kind(32767), kind(32768)}),
                 (QList<Kind>{Kind::Long, Kind::Integer, Kind::Integer, Kind::Long}));
        QCOMPARE(Value().toText(), "");
        QCOMPARE(Value::boolean(false).toText(), "False");
        QCOMPARE(Value::text("1e400").toDouble(), 0.0);
        QCOMPARE(Value::boolean(true).toDouble(), -1.0);
        QVERIFY(!(Value::integer(1) == Value::real(1.0)));
        QVERIFY(!(Value::single(0.5f) == Value::real(0.5)));
        QVERIFY(!(Value() == Value::integer(0)));
    }
};

QTEST_GUILESS_MAIN(TstNumbers)
#include "tst_numbers.moc"
