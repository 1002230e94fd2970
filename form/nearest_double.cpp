#include "form/nearest_double.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace ribi::form {
namespace {

// The same number with the decimal point taken out and the exponent moved
// to match ("-12.5e-3" is "-125e-4"): strtod reads that alike in every locale.
std::string WithoutDecimalPoint(const std::string& ascii)
{
    constexpr long long kFarBeyondAnyDouble = 1'000'000'000'000;
    const auto e = ascii.find('e');
    std::string digits = ascii.substr(0, e);
    long long exponent = 0;
    if (e != std::string::npos) {
        const bool negative = ascii[e + 1] == '-';
        for (std::size_t i = e + (negative ? 2 : 1); i < ascii.size(); ++i)
            exponent = std::min(exponent * 10 + (ascii[i] - '0'), kFarBeyondAnyDouble);
        if (negative) exponent = -exponent;
    }
    if (const auto point = digits.find('.'); point != std::string::npos) {
        exponent -= static_cast<long long>(digits.size() - point - 1);
        digits.erase(point, 1);
    }
    return digits + 'e' + std::to_string(exponent);
}

template <typename Real>
concept FromCharsReads = requires(const char* text, Real& value)
{
    std::from_chars(text, text, value);
};

} // namespace

// from_chars is exact and ignores the locale. Where the library has none for
// floating point, strtod over the same digits rounds just as exactly; it
// also settles what from_chars leaves out of range: a value too small for a
// double is 0, a huge one overflows.
double NearestDouble(const std::string& ascii)
{
    double value = 0;
    if constexpr (FromCharsReads<double>) {
        const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
        if (result.ec != std::errc::result_out_of_range) return value;
    }
    return std::strtod(WithoutDecimalPoint(ascii).c_str(), nullptr);
}

} // namespace ribi::form
