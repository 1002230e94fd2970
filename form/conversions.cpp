#include "form/conversions.h"

#include "form/control_error.h"
#include "form/nearest_double.h"

#include <cmath>
#include <iterator>
#include <limits>
#include <string>

namespace ribi::form {
namespace {

bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}
bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// The longest prefix of `text` that reads as a decimal number, as ASCII.
std::string LeadingNumber(std::u16string_view text, std::size_t& consumed)
{
    std::string ascii;
    std::size_t i = 0;
    auto take = [&](char16_t c) {
        ascii.push_back(static_cast<char>(c));
        ++i;
    };

    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-') ascii.push_back('-');
        ++i;
    }
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        take(text[i]);
        ++digits;
    }
    if (i < text.size() && text[i] == u'.') {
        take(u'.');
        while (i < text.size() && IsDigit(text[i])) {
            take(text[i]);
            ++digits;
        }
    }
    if (digits == 0) {
        consumed = 0;
        return {};
    }
    // An exponent counts only when digits follow it.
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-')) ++j;
        if (j < text.size() && IsDigit(text[j])) {
            ascii.push_back('e');
            if (text[i + 1] == u'-') ascii.push_back('-');
            i = j;
            while (i < text.size() && IsDigit(text[i])) take(text[i]);
        }
    }
    consumed = i;
    return ascii;
}

// The nearest double; one too large for a double is a failure.
double Parse(const std::string& ascii)
{
    const double value = NearestDouble(ascii);
    if (std::isinf(value)) throw ControlError("conversion of a text to a number: overflow");
    return value;
}

std::u16string_view TrimLeadingBlanks(std::u16string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    return text;
}

} // namespace

double TextToNumber(std::u16string_view text)
{
    std::size_t consumed = 0;
    const std::string ascii = LeadingNumber(TrimLeadingBlanks(text), consumed);
    return consumed == 0 ? 0.0 : Parse(ascii);
}

Index ToIndex(double value)
{
    if (std::isnan(value)) throw ControlError("conversion of NaN to an index");
    const double rounded = std::nearbyint(value); // the default mode rounds halves to even
    if (rounded < std::numeric_limits<Index>::min() || rounded > std::numeric_limits<Index>::max())
        throw ControlError("conversion of a number to an index: outside -32768..32767");
    return static_cast<Index>(rounded);
}

Index ToIndex(std::u16string_view text)
{
    text = TrimLeadingBlanks(text);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    std::size_t consumed = 0;
    const std::string ascii = LeadingNumber(text, consumed);
    if (consumed == 0 || consumed != text.size()) throw ControlError("conversion of a text to an index: not a number");
    return ToIndex(Parse(ascii));
}

bool NumericEqual(const Number& a, const Number& b)
{
    const auto asDouble = [](const Number& n) { return std::visit([](auto v) { return static_cast<double>(v); }, n); };
    return asDouble(a) == asDouble(b);
}

std::string Decimal(Index index)
{
    char digits[8];
    char* start = std::end(digits);
    for (int rest = index < 0 ? -index : index; start == std::end(digits) || rest > 0; rest /= 10)
        *--start = static_cast<char>('0' + rest % 10);
    if (index < 0) *--start = '-';
    return {start, std::end(digits)};
}

} // namespace ribi::form
