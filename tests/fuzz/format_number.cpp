// Writing numbers: every pattern the windows use and the general form, for any value the
// input's first eight bytes make (as a double, or as a single for single precision).
#include "runtime/numbers.h"

#include <QRegularExpression>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void check(bool ok) {
    if (!ok) std::abort();
}

// The widest rounding error of a value taken to its significant digits and then to the
// pattern's decimals.
double tolerance(double value, zr::Precision precision, int decimals) {
    const double digits = precision == zr::Precision::Single ? 1e-6 : 1e-14;
    return std::fabs(value) * digits + 0.5 * std::pow(10.0, -decimals) * 1.000001;
}

void byPattern(double value, zr::Precision precision) {
    struct Pattern {
        const char* text;
        int fixed, decimals;
    };
    static const Pattern patterns[] = {
        {"0.0", 1, 1}, {"0.00", 2, 2}, {"0.0###", 1, 4}, {"0.0000", 4, 4}};
    for (const Pattern& p : patterns) {
        const QString out = zr::formatNumber(value, QString::fromLatin1(p.text), precision);
        if (!std::isfinite(value)) {
            check(out == (std::isnan(value) ? "NaN" : value > 0 ? "Infinity" : "-Infinity"));
            continue;
        }
        static const QRegularExpression shape(QStringLiteral("^-?[0-9]+\\.([0-9]+)$"));
        const auto m = shape.match(out);
        check(m.hasMatch());
        const qsizetype decimals = m.capturedLength(1);
        check(decimals >= p.fixed && decimals <= p.decimals);
        const zr::NumberRead back = zr::readNumber(out);
        // Taken to its significant digits, the very largest double rounds up past the
        // range; the text is right all the same, and only reading it back is refused.
        if (!back.ok) {
            check(std::fabs(value) > 1.797693134862315e308);
            continue;
        }
        check(std::fabs(back.value - value) <= tolerance(value, precision, p.decimals));
    }
}

void general(double value, zr::Precision precision) {
    const QString out = zr::generalForm(value, precision);
    const QString signedOut = zr::signedForm(value, precision);
    check(signedOut == (out.startsWith('-') ? out : QLatin1Char(' ') + out));
    if (!std::isfinite(value)) return;
    check(!out.isEmpty() && !out.startsWith(' ') && !out.startsWith('.'));
    const zr::NumberRead back = zr::readNumber(out);
    check(back.ok);
    if (precision == zr::Precision::Single)
        check(static_cast<float>(back.value) == static_cast<float>(value));
    else
        check(back.value == value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 8) return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    float single;
    std::memcpy(&single, data, sizeof single);
    byPattern(value, zr::Precision::Double);
    byPattern(single, zr::Precision::Single);
    general(value, zr::Precision::Double);
    general(single, zr::Precision::Single);
    const double whole = std::trunc(std::fmod(value, 1e15));
    if (std::isfinite(whole)) {
        const QString out = zr::generalForm(whole, zr::Precision::Integer);
        check(zr::readNumber(out).value == whole);
    }
    return 0;
}
