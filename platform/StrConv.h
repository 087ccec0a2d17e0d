#pragma once
// Number fields: the lenient StrToIntDef reads every field but the thresholds,
// which the strict StrToInt reads. Both take the same forms: leading blanks,
// then a sign and decimal digits, or (unsigned) hex after "$", "x", "X", "0x", "0X".
#include <optional>
#include <string>
#include <string_view>

std::optional<int> ParseInt(std::string_view text);
int StrToIntDef(std::string_view text, int fallback);
int StrToInt(std::string_view text); // throws EConvertError
std::string IntToStr(int value);

// printf-style with one integer, e.g. Format("世代:%6d ", 0).
std::string FormatInt(const char* format, int value);
