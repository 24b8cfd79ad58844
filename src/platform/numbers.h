#pragma once

#include <QString>
#include <stdexcept>

// The number conversions every window uses: nothing else in the program turns numbers into text or back.
namespace num {

// Thrown by parse() when a text is empty or not a number.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& text);
};

// Number to text: decimal comma, at most 15 significant digits, no trailing zeros, no grouping.
QString toText(double value);

// Locale-aware reading with Italian conventions ("70,5", "1.234,5"); a lone point is a decimal point.
double parse(const QString& text);

// Like parse(), but reports failure instead of throwing.
bool tryParse(const QString& text, double& out);

// The leading number of a text, read with a decimal point; 0 when there is none, an infinity when it is
// beyond double range.
double leading(const QString& text);

// Int: the floor, as a double.
double intFloor(double value);

// Half-up rounding to the given number of decimals: Int(x * 10^d + 0.5) / 10^d.
double roundHalfUp(double value, int decimals);

} // namespace num
