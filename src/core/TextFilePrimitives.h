// The player's file system: text files are the clipboard, nothing else can be written, and the
// file tests answer false.
//
// The only file name that works is the clipboard's ("clipboard", or the language's word for it,
// without regard to case). "loadtext", "savetext" and "appendtext" read and write it as lines;
// "readfrom" opens the input stream over a copy of its text, which "readword", "readlist",
// "readchar" and "eof?" read.
#pragma once

namespace velmora {

class tLogoTab;
class tlogoobject;

void registerTextFilePrimitives(tLogoTab& table, tlogoobject* owner);

} // namespace velmora
