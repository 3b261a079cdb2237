#include "startup/DictCommand.h"

#include "localization/DictionaryFiles.h"

#include <cstdio>

namespace velmora {

int runDictCommand(std::span<const std::string_view> arguments)
{
    if (arguments.size() != 3 || (arguments[0] != "encode" && arguments[0] != "decode")) {
        std::fputs("usage: velmora dict encode|decode IN OUT\n", stderr);
        return 2;
    }
    const std::filesystem::path input(arguments[1]), output(arguments[2]);
    const std::string failure = arguments[0] == "encode" ? encodeDictionaryFile(input, output)
                                                         : decodeDictionaryFile(input, output);
    if (failure.empty())
        return 0;
    std::fprintf(stderr, "velmora: %s\n", failure.c_str());
    return 1;
}

} // namespace velmora
