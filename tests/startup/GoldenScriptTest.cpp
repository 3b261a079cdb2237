// Runs the Logo golden scripts of tests/logo in English (GoldenScriptRunner.h).
#include "startup/GoldenScriptRunner.h"

#include <gtest/gtest.h>

#include <fstream>

namespace velmora {
namespace {

    class GoldenScript : public testing::TestWithParam<std::string> { };

    TEST_P(GoldenScript, RunsAsExpected)
    {
        std::ifstream file(GetParam());
        ASSERT_TRUE(file) << GetParam();
        runGoldenScript(GetParam(), file);
    }

    INSTANTIATE_TEST_SUITE_P(Logo, GoldenScript, testing::ValuesIn(goldenScripts()),
        [](const testing::TestParamInfo<std::string>& info) {
            return goldenScriptName(info.param);
        });

} // namespace
} // namespace velmora
