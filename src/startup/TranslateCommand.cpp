#include "startup/TranslateCommand.h"

#include "startup/ScriptTranslation.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

namespace velmora {

namespace {

    struct TranslateOptions {
        std::string file;
        std::string from;
        std::string to;
        std::string output = "-";
    };

    std::optional<TranslateOptions> parseOptions(std::span<const std::string_view> arguments)
    {
        TranslateOptions options;
        for (size_t i = 0; i < arguments.size(); ++i) {
            const bool hasValue = i + 1 < arguments.size();
            if (arguments[i] == "--from" && hasValue)
                options.from = arguments[++i];
            else if (arguments[i] == "--to" && hasValue)
                options.to = arguments[++i];
            else if (arguments[i] == "-o" && hasValue)
                options.output = arguments[++i];
            else if (options.file.empty()
                && (arguments[i] == "-" || !arguments[i].starts_with("-")))
                options.file = arguments[i];
            else
                return std::nullopt;
        }
        if (options.file.empty() || options.from.empty() || options.to.empty())
            return std::nullopt;
        return options;
    }

    using File = std::unique_ptr<std::FILE, decltype(&std::fclose)>;

    std::optional<std::string> readAll(const std::string& name)
    {
        File owned(name == "-" ? nullptr : std::fopen(name.c_str(), "rb"), &std::fclose);
        std::FILE* file = name == "-" ? stdin : owned.get();
        if (!file)
            return std::nullopt;
        std::string text;
        char buffer[65536];
        size_t count;
        while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
            text.append(buffer, count);
        if (std::ferror(file))
            return std::nullopt;
        return text;
    }

    bool writeAll(const std::string& name, const std::string& text)
    {
        File owned(name == "-" ? nullptr : std::fopen(name.c_str(), "wb"), &std::fclose);
        std::FILE* file = name == "-" ? stdout : owned.get();
        if (!file)
            return false;
        const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
        return std::fflush(file) == 0 && written;
    }

} // namespace

int runTranslateCommand(std::span<const std::string_view> arguments)
{
    const std::optional<TranslateOptions> options = parseOptions(arguments);
    if (!options) {
        std::fputs(
            "usage: velmora translate FILE|- --from LANGUAGE --to LANGUAGE [-o OUT]\n", stderr);
        return 2;
    }
    std::string problem;
    const std::optional<ScriptTranslator> translator
        = ScriptTranslator::between(options->from, options->to, problem);
    if (!problem.empty())
        std::fprintf(stderr, "velmora: %s\n", problem.c_str());
    if (!translator)
        return 2;
    const std::optional<std::string> text = readAll(options->file);
    if (!text) {
        std::fprintf(
            stderr, "velmora: cannot read %s: %s\n", options->file.c_str(), std::strerror(errno));
        return 2;
    }
    const std::optional<std::string> translated = translator->translate(*text);
    if (!translated) {
        std::fprintf(stderr,
            "velmora: %s is not UTF-8 text whose every character has a place in the code pages of"
            " %s and %s\n",
            options->file.c_str(), options->from.c_str(), options->to.c_str());
        return 1;
    }
    if (!writeAll(options->output, *translated)) {
        std::fprintf(stderr, "velmora: cannot write %s: %s\n", options->output.c_str(),
            std::strerror(errno));
        return 2;
    }
    return 0;
}

} // namespace velmora
