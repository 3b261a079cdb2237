// The options of "setoption" and "option": process-wide settings of the player.
//
// Most options are stored here; three live with the part that uses them and are only set and
// read through here: "strict" (values/Strictness.h), "ellapseunit" (core/ElapsedTime.h) and
// "ansi" (the language dictionary). Workspace resets put the options back to their defaults,
// except "ansi", "fkeys", "strict" and "octaves", which keep their values until the engine starts
// again.
//
// Read and set under the interpreter lock.
#pragma once

#include "values/ValueRef.h"

#include <cstdint>
#include <string>

namespace velmora {

struct Options {
    ValueRef picker;
    int32_t colourCursor = 1;
    int32_t sound = 1;
    // Function-key handling of the main window: 0, 1 or 2.
    int32_t functionKeyMode = 0;
    int32_t thresholdY2k = 10;
    // Units per second of the second time-unit setting: 10, 100 or 1000.
    int32_t timeUnit = 1000;
    int32_t octaves = 2;
    std::string homePage;
    std::string pluginPage;
    std::string htmlCharset;
    std::string htmlBottomLine;
};

Options& options();

enum class OptionsReset { EngineStart, Workspace };
// Defaults for every option (EngineStart) or for those a workspace reset restores.
void resetOptions(OptionsReset scope);

} // namespace velmora
