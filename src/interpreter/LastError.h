// LastError: the record of the last error a "catch" of the error tag caught in a process, read
// (and cleared) by "error".
#pragma once

#include "values/Errors.h"

#include <string>

namespace velmora {

struct LastError {
    bool caught = false;
    uint8_t code = 0;
    std::string message;
    std::string procName;
    int32_t line = 0;
    std::string lineText;
    ValueRef value;
    NameCode eventCode = 0;
};

} // namespace velmora
