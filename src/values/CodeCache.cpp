#include "values/CodeCache.h"

#include "interpreter/CodeArray.h"

#include <utility>

namespace velmora {

void CodeCache::store(CodeArray* code, CompileMode mode)
{
    clear();
    m_code = code;
    m_mode = mode;
}

void CodeCache::releaseCode() { releaseCodeArray(std::exchange(m_code, nullptr)); }

} // namespace velmora
