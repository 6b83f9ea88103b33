// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/numbers.h"

#include <QByteArray>
#include <QLocale>
#include <QRegularExpression>

#include <charconv>
#include <cmath>
#include <cstddef>
#include <string>

namespace zr {

namespace {

// A finite, non-negative number as its decimal digits: value = 0.digits × 10^pointPos.
struct Digits {
    std::string digits;
    long long pointPos = 0;
};

// Splits scientific text ("d.ddde+XX") into digits and point position.
Digits splitScientific(const QByteArray& text) {
    const qsizetype e = text.indexOf('e');
    return {QByteArray(text.left(e)).replace(".", "").toStdString(), text.mid(e + 1).toInt() + 1};
}

// The shortest digits that read back to the same single or double.
Digits shortestDigits(double magnitude, Precision precision) {
    char buf[64];
    std::to_chars_result r =
        precision == Precision::Single
            ? std::to_chars(buf, buf + sizeof buf, static_cast<float>(magnitude),
                            std::chars_format::scientific)
            : std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
    return splitScientific(QByteArray(buf, r.ptr - buf));
}

// Keeps the first `keep` digits, rounding half away from zero on the digits dropped.
void roundAwayAt(Digits& d, long long keep) {
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    if (keep >= static_cast<long long>(d.digits.size())) return;
    const auto kept = static_cast<std::size_t>(keep);
    const bool up = d.digits.at(kept) >= '5';
    d.digits.resize(kept);
    if (!up) return;
    std::size_t i = kept;
    for (; i > 0 && d.digits.at(i - 1) == '9'; --i)
        d.digits[i - 1] = '0';
    if (i > 0) {
        ++d.digits[i - 1];
    } else {
        d.digits.insert(d.digits.begin(), '1');
        ++d.pointPos;
    }
}

// The significant digits a number has in the given precision: 7 for a single, 15 for a
// double, each rounded half away from zero like every other rounding of a shown number, and
// for integers as many as it takes to be exact.
Digits significantDigits(double magnitude, Precision precision) {
    if (precision == Precision::Integer) return shortestDigits(magnitude, Precision::Double);
    const double exact = precision == Precision::Single ? static_cast<float>(magnitude) : magnitude;
    // Every double, and so every single, has a terminating decimal expansion of at most 767
    // significant digits: the exact value to round from.
    Digits d = splitScientific(QByteArray::number(exact, 'e', 766));
    roundAwayAt(d, precision == Precision::Single ? 7 : 15);
    return d;
}

QString nonFinite(double value) {
    if (std::isnan(value)) return QStringLiteral("NaN");
    return std::signbit(value) ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
}

bool allZero(const std::string& s) {
    return s.find_first_not_of('0') == std::string::npos;
}

// The general form writes a number plainly while its decimal exponent is from -4 up to
// below 15 (double) or 7 (single); beyond that in exponent form.
bool exponentForm(const Digits& d, Precision precision) {
    const long long e = d.pointPos - 1;
    return e <= -5 || e >= (precision == Precision::Single ? 7 : 15);
}

// Digits written plainly ("0.00012", "1500") or in exponent form ("1.2E-04", "1.5E+03").
QString written(const Digits& d, bool negative, bool exponent) {
    const long long e = d.pointPos - 1;
    std::string out = negative ? "-" : "";
    if (!exponent && e >= 0) {
        const auto whole = static_cast<std::size_t>(e + 1);
        out.append(d.digits, 0, whole);
        if (whole < d.digits.size())
            out += '.' + d.digits.substr(whole);
        else
            out.append(whole - d.digits.size(), '0');
    } else if (!exponent) {
        out += "0.";
        out.append(static_cast<std::size_t>(-e - 1), '0');
        out += d.digits;
    } else {
        out += d.digits[0];
        if (d.digits.size() > 1) out += '.' + d.digits.substr(1);
        out += QString::asprintf("E%+03lld", e).toStdString(); // at least two digits
    }
    return QString::fromLatin1(out.data(), static_cast<qsizetype>(out.size()));
}

} // namespace

NumberRead readNumber(const QString& text) {
    // Blanks, a sign, digits with at most one point, and an exponent only where digits follow
    // its letter.
    static const QRegularExpression number(
        QStringLiteral("^[ \t\r\n]*([+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eEdD][+-]?[0-9]+)?)"));
    const QRegularExpressionMatch m = number.match(text);
    if (!m.hasMatch()) return {};
    bool ok;
    const double value =
        QLocale::c().toDouble(m.captured(1).replace(u'd', u'e').replace(u'D', u'e'), &ok);
    // Out of a double's range: too large is refused, too small reads as 0.
    if (!ok) return {0.0, !std::isinf(value)};
    return {value, true};
}

QString formatNumber(double value, const QString& pattern, Precision precision) {
    if (!std::isfinite(value)) return nonFinite(value);
    if (precision == Precision::Single && !std::isfinite(static_cast<float>(value)))
        return nonFinite(static_cast<float>(value));

    int minInt = 0;
    int minDec = 0;
    int maxDec = 0;
    bool afterPoint = false;
    for (const QChar c : pattern) {
        if (c == u'.') {
            afterPoint = true;
        } else if (c == u'0' && !afterPoint) {
            ++minInt;
        } else if (c == u'0') {
            ++minDec;
            ++maxDec;
        } else if (c == u'#' && afterPoint) {
            ++maxDec;
        }
    }

    Digits d = significantDigits(std::fabs(value), precision);

    // Round half away from zero at the last decimal the pattern shows.
    roundAwayAt(d, d.pointPos + maxDec);
    const bool zero = allZero(d.digits);

    // Whole part: the digits before the point, zeros for places past the last digit, and no
    // zeros in front (a zero's own digit included) but those the pattern asks for.
    const auto whole = static_cast<std::size_t>(std::max(d.pointPos, 0LL));
    std::string out = d.digits.substr(0, whole);
    out.resize(whole, '0');
    out.erase(0, out.find_first_not_of('0')); // all of it when there are only zeros
    while (static_cast<long long>(out.size()) < minInt)
        out.insert(0, 1, '0');

    // Decimals: zeros up to the first digit, then the digits after the point, to the
    // pattern's last place.
    std::string frac(static_cast<std::size_t>(std::max(-d.pointPos, 0LL)), '0');
    frac += d.digits.substr(std::min(whole, d.digits.size()));
    frac.resize(static_cast<std::size_t>(maxDec), '0');
    while (static_cast<int>(frac.size()) > minDec && frac.back() == '0')
        frac.pop_back();
    // With no decimals left the point goes too: "0.##" writes 3 as "3", not "3.".
    if (!frac.empty()) out += '.' + frac;
    if (std::signbit(value) && !zero) out.insert(0, 1, '-');
    return QString::fromLatin1(out.data(), static_cast<qsizetype>(out.size()));
}

QString generalForm(double value, Precision precision) {
    if (!std::isfinite(value)) return nonFinite(value);
    if (precision == Precision::Single && !std::isfinite(static_cast<float>(value)))
        return nonFinite(static_cast<float>(value));
    if (value == 0.0 || (precision == Precision::Single && static_cast<float>(value) == 0.0f))
        return QStringLiteral("0");

    // Whole numbers below 10^15, integers among them, come out in plain digits.
    const Digits d = shortestDigits(std::fabs(value), precision);
    return written(d, std::signbit(value), exponentForm(d, precision));
}

QString generalForm(double value, Precision precision,
                    const std::function<bool(const QString&)>& fits) {
    const QString full = generalForm(value, precision);
    // Zero, infinities and NaN have no digits to spare; any other number is tried with all of
    // its digits first, which is `full` again.
    if (!full.back().isDigit() || full == QLatin1String("0")) return full;
    const Digits all = shortestDigits(std::fabs(value), precision);
    QString text;
    for (auto keep = static_cast<long long>(all.digits.size()); keep >= 1; --keep) {
        Digits d = all;
        roundAwayAt(d, keep);
        d.digits.erase(d.digits.find_last_not_of('0') + 1);
        const bool usual = exponentForm(d, precision);
        text = written(d, std::signbit(value), usual);
        if (fits(text)) return text;
        // The other form only where it is no longer: plainly, a tiny number is all zeros.
        const QString other = written(d, std::signbit(value), !usual);
        if (other.size() <= text.size() && fits(other)) return other;
    }
    // Not even one digit fits: the one digit all the same, never a cut-off text.
    return text;
}

QString signedForm(double value, Precision precision) {
    const QString text = generalForm(value, precision);
    return text.startsWith(u'-') ? text : u' ' + text;
}

} // namespace zr
