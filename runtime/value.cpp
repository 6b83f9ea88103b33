// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/value.h"

#include <algorithm>
#include <limits>

namespace zr {

namespace {

// How wide a kind is for arithmetic. Nothing and flags take part as integers, texts as
// doubles, so every operand lands on one of these four.
enum class Width { Integer, Long, Single, Double };

Width widthOf(Value::Kind kind) {
    switch (kind) {
    case Value::Kind::Long:
        return Width::Long;
    case Value::Kind::Single:
        return Width::Single;
    case Value::Kind::Double:
    case Value::Kind::Text:
        return Width::Double;
    default:
        return Width::Integer;
    }
}

Width widerOf(const Value& a, const Value& b) {
    return std::max(widthOf(a.kind()), widthOf(b.kind()));
}

// Integer operands are whole numbers of at most 32 bits, so their sum, difference and
// product are exact in 64 bits; the result then takes the narrowest kind that holds it.
Value fromWide(std::int64_t n) {
    if (n >= std::numeric_limits<std::int32_t>::min() &&
        n <= std::numeric_limits<std::int32_t>::max())
        return Value::integer(static_cast<int>(n));
    return Value::real(static_cast<double>(n));
}

std::int64_t wholeOf(const Value& v) {
    return static_cast<std::int64_t>(v.toDouble());
}

template <typename Op> Value arithmetic(const Value& a, const Value& b, Op op) {
    switch (widerOf(a, b)) {
    case Width::Integer:
    case Width::Long:
        return fromWide(op(wholeOf(a), wholeOf(b)));
    case Width::Single:
        // Both operands go to float first so the formula rounds as a single at every step.
        return Value::single(op(a.toSingle(), b.toSingle()));
    case Width::Double:
    default:
        return Value::real(op(a.toDouble(), b.toDouble()));
    }
}

} // namespace

Value Value::boolean(bool b) {
    return Value(Store(b));
}

Value Value::integer(int i) {
    if (i >= std::numeric_limits<std::int16_t>::min() &&
        i <= std::numeric_limits<std::int16_t>::max())
        return Value(Store(static_cast<std::int16_t>(i)));
    // int has 32 bits wherever the program is built, so a long always holds the rest; the
    // double comes in only for arithmetic results (see fromWide).
    static_assert(sizeof(int) == sizeof(std::int32_t));
    return Value(Store(static_cast<std::int32_t>(i)));
}

Value Value::single(float f) {
    return Value(Store(f));
}
Value Value::real(double d) {
    return Value(Store(d));
}
Value Value::text(const QString& s) {
    return Value(Store(s));
}

Value::Kind Value::kind() const {
    // In the order of the alternatives of Store.
    static constexpr Kind kinds[] = {Kind::Empty,  Kind::Boolean, Kind::Integer, Kind::Long,
                                     Kind::Single, Kind::Double,  Kind::Text};
    return kinds[store_.index()];
}

double Value::toDouble() const {
    switch (kind()) {
    case Kind::Boolean:
        return std::get<bool>(store_) ? -1.0 : 0.0;
    case Kind::Integer:
        return std::get<std::int16_t>(store_);
    case Kind::Long:
        return std::get<std::int32_t>(store_);
    case Kind::Single:
        return std::get<float>(store_);
    case Kind::Double:
        return std::get<double>(store_);
    case Kind::Text: {
        const NumberRead r = readNumber(std::get<QString>(store_));
        return r.ok ? r.value : 0.0;
    }
    case Kind::Empty:
    default:
        return 0.0;
    }
}

QString Value::toText() const {
    switch (kind()) {
    case Kind::Empty:
        return QString();
    case Kind::Text:
        return std::get<QString>(store_);
    default:
        return generalForm(toDouble(), precision());
    }
}

Precision Value::precision() const {
    switch (kind()) {
    case Kind::Single:
        return Precision::Single;
    case Kind::Double:
    case Kind::Text:
        return Precision::Double;
    default:
        return Precision::Integer;
    }
}

bool Value::operator==(const Value& other) const {
    return store_ == other.store_;
}

Value operator+(const Value& a, const Value& b) {
    return arithmetic(a, b, [](auto x, auto y) { return x + y; });
}

Value operator-(const Value& a, const Value& b) {
    return arithmetic(a, b, [](auto x, auto y) { return x - y; });
}

Value operator*(const Value& a, const Value& b) {
    return arithmetic(a, b, [](auto x, auto y) { return x * y; });
}

} // namespace zr
