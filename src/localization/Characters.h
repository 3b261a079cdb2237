// Special characters of the 8-bit text model.
#pragma once

namespace velmora {

// Stands for a line break inside stored words.
constexpr char pilcrow = static_cast<char>(0xB6);
// Opens internal names that users cannot type.
constexpr char middleDot = static_cast<char>(0xB7);

} // namespace velmora
