// Runs Logo golden scripts through a console session.
//
// Each line of a script runs as the console runner runs it. A line may carry its expectation
// after "; expect: " (what the line prints, lines joined by "\n") or "; expect error: N" (the
// error it reports). Lines without an expectation must report no error, and every line must end
// within a time limit. Text in the scripts is UTF-8 and is converted to the engine's code page as
// the console runner converts it.
#pragma once

#include <functional>
#include <istream>
#include <string>
#include <vector>

namespace velmora {

struct GoldenScriptLanguage {
    std::string name = "english";
    // The printed text (UTF-8, lines ending in line feeds) in the language of the expectations.
    std::function<std::string(const std::string&)> inExpectationsLanguage
        = [](const std::string& printed) { return printed; };
    // Whether the printed text is the expected text carried into the words of the language (both
    // UTF-8, lines joined by line feeds). Carrying printed text back is ambiguous where a word of
    // the language is also data ("e", a short form, printed as the second letter of "hello"):
    // data prints alike in both languages, so the expectation carried the other way decides.
    std::function<bool(const std::string&, const std::string&)> printsInItsWords
        = [](const std::string&, const std::string&) { return false; };
    // Whether the expectation of a line (numbered from 1) is checked; a line whose expectation
    // cannot hold in the language still runs.
    std::function<bool(int)> checksLine = [](int) { return true; };
};

// Runs every line of the script in a fresh engine started in the language; where names the
// script in failures. The engine is left in English.
void runGoldenScript(
    const std::string& where, std::istream& script, const GoldenScriptLanguage& language = {});

// The paths of the scripts of tests/logo, sorted.
std::vector<std::string> goldenScripts();

// The script's file name without extension, as a test name.
std::string goldenScriptName(const std::string& path);

} // namespace velmora
