#include "pipeline/FieldMends.h"

#include <gtest/gtest.h>

using namespace climora;

TEST(FieldMends, EmptyFieldsAndDecimalCommas) {
    const std::string sign = "-99";
    struct {
        const char* line;
        bool substitute;
        const char* mended;
        std::optional<std::size_t> valuesEnd;
    } cases[] = {
        {"1,0.99,,0.05", true, "1,0.99,-99,0.05", std::nullopt},
        {"1,0.99,,0.05", false, "1,0.99,,0.05", 7},
        {"1, 2 , \t,3,,", true, "1, 2 , \t-99,3,,", std::nullopt},
        {"1,2,3,", true, "1,2,3,", std::nullopt},
        {",1,2", true, ",1,2", std::nullopt},
        {"2016;1;12,5;;3,4", true, "2016;1;12.5;-99;3.4", std::nullopt},
        {"2016;a,b;1, 2", true, "2016;a,b;1, 2", std::nullopt},
        {"2016,1,12,5", true, "2016,1,12,5", std::nullopt},
        {"2016 1  12", true, "2016 1  12", std::nullopt},
        {"NO RECORD,,5", false, "NO RECORD,,5", 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        std::string line = c.line;
        std::optional<std::size_t> end = mendSeparatedFields(line, c.substitute ? &sign : nullptr);
        EXPECT_EQ(line, c.mended);
        EXPECT_EQ(end, c.valuesEnd);
    }
}
