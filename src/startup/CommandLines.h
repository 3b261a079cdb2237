// CommandLines: how the console turns the lines it reads into commands for its command line.
//
// A line beginning with "to" opens a definition that collects the lines after it up to a line
// that is "end" (both words of the current language); any other line that holds more than blanks
// and is no comment is a command of its own. The console session reads its input this way, and so
// does the program fuzzer, so that it runs programs as the console does.
#pragma once

#include "processes/CommanderProcess.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

class CommandLines {
public:
    CommandLines();

    // The command that the line completes, if any.
    std::optional<Command> take(std::string_view line);
    // The end of the input: an unfinished definition is defined as it stands, as its "end" is
    // optional there.
    std::optional<Command> finish();
    // Whether the rest of a definition is awaited.
    bool collectingDefinition() const { return !m_definition.empty(); }

private:
    const std::string m_toWord;
    const std::string m_endWord;
    std::string m_definition;
};

} // namespace velmora
