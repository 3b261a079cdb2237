// BackgroundFiles: a surface's background bitmap written to and read from picture files, in the
// format that the file name's extension names (".png", ".bmp" and the others Qt reads).
//
// File names are the program's text; characters beyond ASCII reach the file system in the local
// 8-bit encoding. Called under the interpreter lock; the bitmap is read and written under the
// surface lock.
#pragma once

#include "graphics/Surface.h"

#include <string>

namespace velmora {

// Error 185 when the file cannot be written, or its extension names no format that can be.
void saveBackground(Surface& surface, const std::string& fileName);
// The picture replaces the background from the top-left corner on; what it does not cover is
// cleaned. Error 42 when the file cannot be read, error 70 when it holds no picture.
void loadBackground(Surface& surface, const std::string& fileName);

} // namespace velmora
