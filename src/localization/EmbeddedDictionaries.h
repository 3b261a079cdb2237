// Dictionaries built into the program.
//
// The build scrambles every dictionary text of the source tree and compiles the results into
// the engine as length-prefixed blocks (see ObjStream.h); this header is their only door. A
// language dictionary is found by its language name, kept beside its block. A user-interface
// block carries its language name inside the scrambled text, before a zero byte, so it is
// recognised by reading it. Languages without a dictionary text in the tree are simply absent.
// The definitions are generated at build time; the blocks live as long as the program.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace velmora {

struct EmbeddedDictionary {
    std::string_view name; // the upper-case language name, for example "ENGLISH"
    std::span<const uint8_t> block;
};

std::span<const EmbeddedDictionary> embeddedLanguageDictionaries();
std::span<const std::span<const uint8_t>> embeddedInterfaceBlocks();

} // namespace velmora
