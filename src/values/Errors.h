// The exceptions of the interpreter: run-time errors, and the non-error unwinding of "output",
// "throw" and process termination.
//
// An `eLogoException` is thrown by value at the point of failure with its code and the offending
// value; on its way out each call records the failing primitive (the innermost wins), each user
// procedure its place, and each instruction-list run its position in the instruction path. The
// message text is built from the dictionary only when the error is reported (ErrorText.h).
#pragma once

#include "values/ErrorCodes.h"
#include "values/ValueRef.h"

#include <exception>
#include <string>
#include <vector>

namespace velmora {

class eLogoException : public std::exception {
public:
    explicit eLogoException(errorConst code, tlogoobject* datum = nullptr);
    // The text is made a word and becomes the offending value.
    eLogoException(errorConst code, std::string_view text);
    // Error 26: the allowed bounds and the offending value.
    eLogoException(errorConst code, int32_t numA, int32_t numB, tlogoobject* datum);

    // A name standing for the offending value.
    static eLogoException withName(errorConst code, NameCode name);
    // A name that is also recorded as the failing primitive.
    static eLogoException withPrimitive(errorConst code, NameCode name);
    // Error 1 with a message of the user's own ("throwerror").
    static eLogoException user(std::string message, tlogoobject* datum);

    const char* what() const noexcept override;

    // Sets the failing primitive unless an inner call already did.
    void recordFailingName(NameCode name);
    void recordFailingName(std::string name);
    // Sets the place unless an inner procedure already did.
    void recordPlace(std::string procedure, tlogoobject* owner, int32_t line, tInprocType kind);
    // `code` identifies the run's code array, so that a position can be traced into a nested list.
    void appendPathPosition(int32_t position, const void* code)
    {
        path.push_back(position);
        pathCodes.push_back(code);
    }

    errorConst code;
    std::string fileText;
    std::string procName;
    ValueRef placeObject;
    tInprocType placeKind = ipNone;
    int32_t line = -1;
    // The text of that line, for "error".
    std::string lineText;
    std::string primName;
    ValueRef datum;
    NameCode datumCode = 0;
    int32_t numA = 0;
    int32_t numB = 0;
    // Text of a message given by the user (error 1); empty for all other codes.
    std::string userMessage;
    // Instruction positions, innermost run first, and the code arrays they are positions in.
    std::vector<int32_t> path;
    std::vector<const void*> pathCodes;
};

// "throw" of a tag that an active "catch" holds.
class ethrow : public eLogoException {
public:
    explicit ethrow(std::string tag);
    std::string tag;
};

// Carries the value of an "output" reached outside the evaluator's ordinary path; the nearest user
// procedure takes it as its result.
class eOutputException : public std::exception {
public:
    explicit eOutputException(tlogoobject* value = nullptr)
        : value(value)
    {
    }
    const char* what() const noexcept override { return "output"; }
    ValueRef value;
};

// Ends the running process. `toTopLevel` tells a "throw" to the top level from a plain stop.
class eTerminateException : public std::exception {
public:
    enum class Reason : uint8_t { Stop = 0, ThrowToTopLevel = 1 };
    explicit eTerminateException(Reason reason = Reason::Stop)
        : reason(reason)
    {
    }
    const char* what() const noexcept override { return "terminate"; }
    Reason reason;
};

} // namespace velmora
