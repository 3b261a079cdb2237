// Reference-counted heap objects: the base of every Logo value and every project object.
//
// Counts are plain integers, not atomics: every holder touches them only while it holds the
// interpreter lock, so one thread at a time changes them. A fresh object has no holder
// (refCount 0); the first holder takes it with addRef.
#pragma once

#include <cstdint>

namespace velmora {

class TheapObject {
public:
    TheapObject() = default;
    TheapObject(const TheapObject&) = delete;
    TheapObject& operator=(const TheapObject&) = delete;
    virtual ~TheapObject() = default;

    int32_t refCount = 0;
    // 1 when the instance belongs to a recycling pool and goes back to it when freed.
    uint8_t pooled = 0;
};

} // namespace velmora
