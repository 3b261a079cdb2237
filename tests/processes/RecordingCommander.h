// RecordingCommander: a commander for process tests that keeps the codes of the errors reported
// and drops printed text. Processes report under the interpreter lock; the test reads the codes
// once the lines that made them have run.
#pragma once

#include "interpreter/Commander.h"

#include <vector>

namespace velmora {

class RecordingCommander : public Icommander {
public:
    void reportError(const eLogoException& error) override { errors.push_back(error.code); }
    void printText(std::string_view) override { }
    std::vector<int> errors;
};

} // namespace velmora
