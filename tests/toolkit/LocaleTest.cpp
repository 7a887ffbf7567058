// Its own program: the process is German before the application object exists.
#include "toolkit/Application.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string Format(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

TEST(Locale, NumbersKeepTheirPointUnderAGermanLocale)
{
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "de_DE.UTF-8 is not generated";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    ASSERT_EQ(Format(0.4), "0,4");

    int argc = 1;
    char name[] = "test_locale";
    char* argv[] = {name, nullptr};
    TApplication application(argc, argv);
    EXPECT_STREQ(std::localeconv()->decimal_point, ".");
    EXPECT_EQ(Format(0.4), "0.4");
    EXPECT_EQ(Format(0.35), "0.35");
}

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
