#include "platform/StrConv.h"

#include "platform/Exception.h"

#include <cstdint>
#include <cstdio>

namespace {

int DigitValue(char c, int base)
{
    int v = -1;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    return v < base ? v : -1;
}

} // namespace

std::optional<int> ParseInt(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    bool sign = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        sign = true;
        ++i;
    }
    int base = 10;
    if (!sign && i < text.size()) {
        if (text[i] == '$' || text[i] == 'x' || text[i] == 'X') {
            base = 16;
            ++i;
        } else if (text[i] == '0' && i + 1 < text.size() && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
            base = 16;
            i += 2;
        }
    }
    if (i >= text.size()) return std::nullopt;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        int d = DigitValue(text[i], base);
        if (d < 0) return std::nullopt;
        value = value * base + d;
        if (value > 2147483648LL) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
    return static_cast<int>(value);
}

int StrToIntDef(std::string_view text, int fallback)
{
    return ParseInt(text).value_or(fallback);
}

int StrToInt(std::string_view text)
{
    if (auto v = ParseInt(text)) return *v;
    throw EConvertError(FormatMessage(Messages::NotAnInteger, std::string(text)));
}

std::string IntToStr(int value)
{
    return std::to_string(value);
}

std::string FormatInt(const char* format, int value)
{
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}
