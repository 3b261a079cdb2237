#include "values/CodeCache.h"

namespace velmora {

void destroyCompiledCode(CompiledCode* code) { delete code; }

} // namespace velmora
