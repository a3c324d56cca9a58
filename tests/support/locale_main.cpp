// Test entry that runs the suite under a chosen process locale, given as
// --locale=NAME, so that number texts are proven independent of it.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string_view>

#include "test_locale.h"

namespace {
std::string g_requestedLocale = "C";
}

const std::string& requestedTestLocale() { return g_requestedLocale; }

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    constexpr std::string_view flag = "--locale=";
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.substr(0, flag.size()) == flag) g_requestedLocale = std::string(arg.substr(flag.size()));
    }
    if (std::setlocale(LC_ALL, g_requestedLocale.c_str()) == nullptr) {
        std::fprintf(stderr, "locale %s is not available: generate it first\n", g_requestedLocale.c_str());
        return 1;
    }
    return RUN_ALL_TESTS();
}
