// CodeCache: the compiled code array a word or list keeps for the last compile mode asked for.
#pragma once

#include "values/LogoObject.h"

namespace velmora {

class CodeCache {
public:
    CodeCache() = default;
    CodeCache(const CodeCache&) = delete;
    CodeCache& operator=(const CodeCache&) = delete;
    ~CodeCache() { clear(); }

    // The cached array when it was compiled in `mode`, else none.
    CodeArray* find(CompileMode mode) const { return m_mode == mode ? m_code : nullptr; }
    // Replaces the cache; the cache takes the caller's reference to `code`.
    void store(CodeArray* code, CompileMode mode);
    void clear()
    {
        if (m_code)
            releaseCode();
    }

private:
    void releaseCode();

    CodeArray* m_code = nullptr;
    CompileMode m_mode = CompileMode::Instructions;
};

} // namespace velmora
