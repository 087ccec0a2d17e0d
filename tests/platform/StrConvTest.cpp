#include "platform/Application.h"
#include "platform/Exception.h"
#include "platform/StrConv.h"

#include <gtest/gtest.h>

#include <optional>

struct NumberCase {
    const char* text;
    std::optional<int> value; // nullopt: not a number
};

TEST(StrConv, ReadsNumberFieldsLikeTheLenientAndStrictConversions)
{
    const NumberCase cases[] = {
        {"128", 128}, {"  42", 42}, {"+7", 7}, {"-3", -3}, {"0", 0}, {"007", 7},
        {"$1F", 31}, {"x10", 16}, {"X10", 16}, {"0x7fffffff", 2147483647}, {"0XfF", 255},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
        {"", std::nullopt}, {"   ", std::nullopt}, {"12 ", std::nullopt}, {"1a", std::nullopt},
        {"abc", std::nullopt}, {"-", std::nullopt}, {"$", std::nullopt}, {"0x", std::nullopt},
        {"-$10", std::nullopt}, {"+0x10", std::nullopt}, {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt}, {"$80000000", std::nullopt}, {"99999999999999999999", std::nullopt},
        {"1.5", std::nullopt}, {"\t1", std::nullopt},
    };
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(StrToIntDef(c.text, -99), c.value.value_or(-99));
        if (c.value) {
            EXPECT_EQ(StrToInt(c.text), *c.value);
        } else {
            try {
                StrToInt(c.text);
                ADD_FAILURE() << "no error";
            } catch (const EConvertError& e) {
                EXPECT_EQ(std::string(e.what()), std::string("'") + c.text + "' は整数ではありません");
            }
        }
    }
}

TEST(StrConv, FormatsReadoutsRightAligned)
{
    EXPECT_EQ(FormatInt("世代:%6d ", 0), "世代:     0 ");
    EXPECT_EQ(FormatInt("世代:%6d ", 10), "世代:    10 ");
    EXPECT_EQ(FormatInt("生存:%6d ", 1234567), "生存:1234567 ");
    EXPECT_EQ(IntToStr(-12), "-12");
}

TEST(ErrorReport, AppendsAFullStopAfterCharactersThatSortAfterIt)
{
    EXPECT_EQ(TApplication::ErrorText("ビットマップイメージが不正です"), "ビットマップイメージが不正です.");
    EXPECT_EQ(TApplication::ErrorText("'' は整数ではありません"), "'' は整数ではありません.");
    EXPECT_EQ(TApplication::ErrorText("done."), "done.");
    EXPECT_EQ(TApplication::ErrorText("error -"), "error -");
    EXPECT_EQ(TApplication::ErrorText("x"), "x.");
    EXPECT_EQ(TApplication::ErrorText(""), "");
}
