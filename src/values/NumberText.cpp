#include "values/NumberText.h"

#include "values/CharacterClasses.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace velmora {

namespace {

    size_t skipDigits(std::string_view text, size_t i)
    {
        while (i < text.size() && isDigit(text[i]))
            ++i;
        return i;
    }

    void dropTrailingZeros(std::string& digits)
    {
        while (!digits.empty() && digits.back() == '0')
            digits.pop_back();
    }

} // namespace

bool parseInteger(std::string_view text, int32_t& value)
{
    size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        i = 1;
    if (i == text.size())
        return false;
    int64_t result = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            return false;
        result = result * 10 + (text[i] - '0');
        if (result > 2147483648LL)
            return false;
    }
    if (negative)
        result = -result;
    if (result > 2147483647LL)
        return false;
    value = static_cast<int32_t>(result);
    return true;
}

bool parseReal(std::string_view text, LogoReal& value)
{
    size_t begin = 0, end = text.size();
    while (begin < end && text[begin] == ' ')
        ++begin;
    while (end > begin && text[end - 1] == ' ')
        --end;
    const std::string_view body = text.substr(begin, end - begin);
    size_t i = 0;
    if (i < body.size() && (body[i] == '+' || body[i] == '-'))
        ++i;
    const size_t integerEnd = skipDigits(body, i);
    size_t digitCount = integerEnd - i;
    i = integerEnd;
    if (i < body.size() && body[i] == '.') {
        const size_t fractionEnd = skipDigits(body, i + 1);
        digitCount += fractionEnd - i - 1;
        i = fractionEnd;
    }
    if (digitCount == 0)
        return false;
    if (i < body.size() && (body[i] == 'e' || body[i] == 'E')) {
        size_t j = i + 1;
        if (j < body.size() && (body[j] == '+' || body[j] == '-'))
            ++j;
        const size_t exponentEnd = skipDigits(body, j);
        if (exponentEnd == j)
            return false;
        i = exponentEnd;
    }
    if (i != body.size())
        return false;
    // A number beyond the extended range is no number: it would read as an infinity.
    value = std::strtold(std::string(body).c_str(), nullptr);
    return std::isfinite(value);
}

std::string formatReal(LogoReal value)
{
    if (value == 0)
        return "0";
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    // "%.5Le" rounds to 6 significant digits and tells the decimal exponent after rounding.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.5Le", value);
    const std::string_view printed(buffer);
    const size_t ePos = printed.find('e');
    const bool negative = printed[0] == '-';
    std::string digits;
    for (char c : printed.substr(0, ePos))
        if (isDigit(c))
            digits += c;
    const int exponent = std::atoi(buffer + ePos + 1);
    dropTrailingZeros(digits);

    std::string result = negative ? "-" : "";
    const bool fixed = exponent < 6 && std::fabs(value) >= 0.00001L;
    if (!fixed) {
        result += digits[0];
        if (digits.size() > 1)
            result.append(1, '.').append(digits, 1);
        return result.append(1, 'E').append(std::to_string(exponent));
    }
    if (exponent < 0) {
        return result.append("0.").append(static_cast<size_t>(-exponent - 1), '0').append(digits);
    }
    const size_t integerDigits = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= integerDigits)
        return result.append(digits).append(integerDigits - digits.size(), '0');
    return result.append(digits, 0, integerDigits).append(1, '.').append(digits, integerDigits);
}

std::string formatInteger(int32_t value) { return std::to_string(value); }

} // namespace velmora
