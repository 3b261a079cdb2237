// The text of an error: its message template expanded with the error's context.
//
// Placeholders: #F file text, #H the offending value in brackets, #c and #h without outer
// brackets, #L the line, #P the procedure (with its owner's name in front), #a and #b the numbers,
// #p the failing primitive; any other "#x" stays as it is.
#pragma once

#include "values/Errors.h"

#include <string>
#include <string_view>

namespace velmora {

std::string expandErrorTemplate(const eLogoException& error, std::string_view templateText);
// The message template of the error's code from the dictionary, expanded.
std::string errorMessage(const eLogoException& error);
// The message with its first line break replaced by `separator`.
std::string errorMessage(const eLogoException& error, std::string_view separator);
// The caption for the place of the error: `defaultKey` of section "ErrorCaptions" outside any
// place, "errorinproc" for a procedure without a known line, else the entry of the place kind.
std::string errorCaption(const eLogoException& error, std::string_view defaultKey = "Error");

} // namespace velmora
