// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading numbers from text and writing them back, the way every window of the program
// shows and takes numbers. No GUI: tests link this directly.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>

namespace zr {

// The outcome of reading the leading number of a text.
struct NumberRead {
    double value = 0.0; // 0 when the text holds no leading number
    bool ok = true;     // false only when the number is too large for a double
};

// The leading decimal number of `text` after optional blanks: sign, digits, one decimal
// point, optional exponent (e, E, d or D, optional sign, digits). 0 when there is none.
// "5abc" gives 5, "3,5" gives 3, ".5" gives 0.5, "abc" gives 0, "1e400" is not ok,
// "1e-400" gives 0. Never reads past the number; any length of text is safe.
NumberRead readNumber(const QString& text);

// Which precision a number was computed in; decides how many significant digits it has
// when written as text (integers are exact, singles have 7 digits, doubles 15).
enum class Precision { Integer, Single, Double };

// `value` written by a pattern of '0' (a digit always shown), '#' (a digit shown only when
// not a trailing zero) and one optional '.', starting with a '0' so that a digit always
// shows; for example "0.00", "0.0", "0.0###", "0.0000", "0". The value is first taken to its
// significant digits (see Precision), then rounded half away from zero to the pattern's last
// decimal. The decimal point is always '.'. Non-finite values give "Infinity", "-Infinity" or
// "NaN".
QString formatNumber(double value, const QString& pattern, Precision precision);

// The general text form: the shortest text that reads back to the same single (for
// Precision::Single) or double; integers in plain digits. Exponent form as "1E+300",
// "1.5E-07" when the decimal exponent is below -4 or at least 15 (double) / 7 (single).
// Always a leading zero before the point ("0.5"), no leading blank, '-' for negatives.
QString generalForm(double value, Precision precision);

// The general form when `fits` takes it. Otherwise the number rounded (half away from zero)
// to as many significant digits as `fits` takes, trailing zeros dropped, plainly or in
// exponent form, whichever keeps more digits (the general form's choice when both keep as
// many). Should not even one digit fit, the one-digit text: a number is never cut off.
QString generalForm(double value, Precision precision,
                    const std::function<bool(const QString&)>& fits);

// The general form with a leading blank in place of a plus sign for a number that is not
// negative: " 1", " 0.5", "-2".
QString signedForm(double value, Precision precision);

} // namespace zr
