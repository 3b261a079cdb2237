// CodeCache: the compiled form a word or list keeps for the last compile mode asked for.
//
// Values only keep compiled code and let go of it; the interpreter makes it, reads it and runs it
// (interpreter/CodeArray.h). Compiled code is reference counted, so that a run in progress keeps
// its code even when its value is recompiled in another mode meanwhile.
#pragma once

#include "values/LogoObject.h"

#include <utility>

namespace velmora {

class CompiledCode {
public:
    CompiledCode() = default;
    CompiledCode(const CompiledCode&) = delete;
    CompiledCode& operator=(const CompiledCode&) = delete;

    int32_t refCount = 1;

protected:
    // Only `destroyCompiledCode` destroys compiled code, through the class that made it.
    virtual ~CompiledCode() = default;
    friend void destroyCompiledCode(CompiledCode* code);
};

// Out of line, so that the code that lets go of compiled code stays small where it is inlined.
void destroyCompiledCode(CompiledCode* code);

// Drops one holder of the code; destroys it when none is left.
inline void releaseCompiledCode(CompiledCode* code)
{
    if (--code->refCount == 0)
        destroyCompiledCode(code);
}

class CodeCache {
public:
    CodeCache() = default;
    CodeCache(const CodeCache&) = delete;
    CodeCache& operator=(const CodeCache&) = delete;
    ~CodeCache() { clear(); }

    // The cached code when it was compiled in `mode`, else none.
    CompiledCode* find(CompileMode mode) const { return m_mode == mode ? m_code : nullptr; }
    // Replaces the cache; the cache takes the caller's reference to `code`.
    void store(CompiledCode* code, CompileMode mode)
    {
        clear();
        m_code = code;
        m_mode = mode;
    }
    void clear()
    {
        if (m_code)
            releaseCompiledCode(std::exchange(m_code, nullptr));
    }

private:
    CompiledCode* m_code = nullptr;
    CompileMode m_mode = CompileMode::Instructions;
};

} // namespace velmora
