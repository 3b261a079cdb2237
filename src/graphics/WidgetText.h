// Text between the engine, in the code page of the current language, and the widgets' Unicode:
// captions, hints and menu entries going out, what the user types coming in. Under the
// interpreter lock, which a change of language holds.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace velmora {

QString widgetText(std::string_view text);
std::string engineText(const QString& text);

} // namespace velmora
