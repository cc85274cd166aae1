#include "model/DecimalText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <locale.h>
#include <optional>

namespace velt {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Users type a comma as often as a point.
bool isSeparator(char c) {
    return c == '.' || c == ',';
}

std::size_t skipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

std::size_t skipBlanks(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
        ++pos;
    }
    return pos;
}

// Length of the longest numeric prefix starting at `start`, 0 when there is none.
std::size_t numericPrefixEnd(std::string_view text, std::size_t start) {
    std::size_t pos = start;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    const std::size_t intStart = pos;
    pos = skipDigits(text, pos);
    bool digits = pos > intStart;
    if (pos < text.size() && isSeparator(text[pos])) {
        const std::size_t fracEnd = skipDigits(text, pos + 1);
        if (digits || fracEnd > pos + 1) {
            digits = true;
            pos = fracEnd;
        }
    }
    if (!digits) {
        return start;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exp = pos + 1;
        if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) {
            ++exp;
        }
        const std::size_t expEnd = skipDigits(text, exp);
        if (expEnd > exp) {
            pos = expEnd;
        }
    }
    return pos;
}

// The number text[start, end) holds, read by from_chars after an optional '+'; nothing for
// an empty span or a number that does not fit.
template <class Number>
std::optional<Number> numberIn(std::string_view text, std::size_t start, std::size_t end) {
    if (end == start) {
        return std::nullopt;
    }
    std::string number(text.substr(start, end - start));
    if (number.front() == '+') {
        number.erase(0, 1);
    }
    std::replace(number.begin(), number.end(), ',', '.');
    Number value{};
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec != std::errc()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

double readDecimal(std::string_view text) {
    const std::size_t start = skipBlanks(text);
    const auto value = numberIn<double>(text, start, numericPrefixEnd(text, start));
    return value && std::isfinite(*value) ? *value : 0.0;
}

int readWholeNumber(std::string_view text) {
    const std::size_t start = skipBlanks(text);
    std::size_t pos = start;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    const std::size_t end = skipDigits(text, pos);
    // A sign without digits is no number.
    return numberIn<int>(text, start, end == pos ? start : end).value_or(0);
}

std::string formatGeneral(double value) {
    return formatNumber("%.15g", value);
}

std::string formatNumber(const char* format, double value) {
    // Formatted in the C locale whatever the process runs in: a report written under a
    // Polish locale must not get decimal commas.
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", locale_t{});
    const locale_t previous = uselocale(classic);
    char buffer[512];
    const int n = std::snprintf(buffer, sizeof buffer, format, value);
    uselocale(previous);
    if (n < 0) {
        return {};
    }
    return std::string(buffer, static_cast<std::size_t>(n) < sizeof buffer ? n : sizeof buffer - 1);
}

} // namespace velt
