#include "core/InstructionText.h"

#include "localization/LanguageDictionary.h"

namespace velmora {

std::string readableInput(tlogoobject* value)
{
    std::string text = value->isWord() && !value->isNumber() ? "\"" : "";
    return text.append(value->sourceForm(true));
}

std::string quoted(std::string_view name) { return std::string(1, '"').append(name); }

std::string instructionLine(std::string_view primitive, std::initializer_list<std::string> inputs)
{
    std::string line = languageDictionary().firstDictionaryWord(primitive);
    for (const std::string& input : inputs)
        line.append(1, ' ').append(input);
    return line.append("\r\n");
}

} // namespace velmora
