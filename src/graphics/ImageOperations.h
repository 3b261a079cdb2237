// The image subsystem's start-up: the operations of images entered into the image class table,
// where the main object's generic dispatchers find them, and the builders into the main object.
#pragma once

namespace velmora {

struct ClassTables;
class tMainLogoObject;

// Entries of the same names are replaced, so it may run again after the engine restarts.
void registerImageOperations(ClassTables& tables);
// Both of the above for a main object; under the interpreter lock, outside any process.
void startImages(tMainLogoObject& main);

} // namespace velmora
