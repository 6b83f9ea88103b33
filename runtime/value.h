// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// A window-level variable that keeps the kind of the value last stored in it: nothing yet,
// a flag, a 16-bit integer, a single, a double or a text. Arithmetic takes the wider kind
// of its two operands (integer < single < double), so one formula computes in single or
// double precision depending on how its inputs were set. No GUI: tests link this directly.
#pragma once

#include "runtime/numbers.h"

#include <QString>
#include <cstdint>
#include <variant>

namespace zr {

class Value {
  public:
    enum class Kind { Empty, Boolean, Integer, Long, Single, Double, Text };

    Value() = default;
    static Value boolean(bool b);
    static Value integer(int i); // 16-bit when it fits, else a 32-bit long, else a double
    static Value single(float f);
    static Value real(double d);
    static Value text(const QString& s);

    Kind kind() const;
    bool isEmpty() const { return kind() == Kind::Empty; }
    bool isText() const { return kind() == Kind::Text; }

    // The number this value stands for: flags give -1 (True) or 0, texts their leading
    // number, nothing gives 0.
    double toDouble() const;
    float toSingle() const { return static_cast<float>(toDouble()); }
    bool toBool() const { return toDouble() != 0.0; }
    // The value as a caption shows it: numbers, flags among them, in their general form,
    // texts as they are, nothing as "".
    QString toText() const;
    Precision precision() const; // Integer for integers and longs, Single, or Double

    bool operator==(const Value& other) const; // same kind and same contents

  private:
    using Store =
        std::variant<std::monostate, bool, std::int16_t, std::int32_t, float, double, QString>;
    explicit Value(Store s) : store_(std::move(s)) {}
    Store store_;
};

// Arithmetic in the wider kind of the two operands. Integer results that leave the 16-bit
// range widen to a 32-bit long, and beyond that to a double, instead of failing. A text
// operand counts as its leading number (a double).
Value operator+(const Value& a, const Value& b);
Value operator-(const Value& a, const Value& b);
Value operator*(const Value& a, const Value& b);

} // namespace zr
