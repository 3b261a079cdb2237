#include "core/KeyPrimitives.h"

#include "core/KeyBuffer.h"
#include "core/TextInputStream.h"
#include "interpreter/Registration.h"
#include "processes/InterpreterLock.h"
#include "processes/StopWake.h"
#include "processes/lThread.h"
#include "values/ValueFactory.h"

namespace velmora {

namespace {

    constexpr int32_t enterKey = 13;
    constexpr int32_t tabKey = 9;

    // Waits with the interpreter lock released until a key is waiting, then takes it. Ends the
    // process when it is told to stop meanwhile; error 170 when no key can ever arrive.
    KeyPress nextKey()
    {
        IkeyBuffer& keys = keyBuffer();
        tLogoprocess* self = tLogoprocess::current();
        const auto stopped = [self] { return self && self->stopRequested(); };
        for (;;) {
            if (std::optional<KeyPress> key = keys.takeKey())
                return *key;
            if (!keys.canReceiveKeys())
                throw eLogoException(erNoTextInput);
            {
                ReleasedLock released;
                StopWake wake(self, [&keys] { keys.wakeWaiters(); });
                keys.waitForKey(stopped);
            }
            if (stopped())
                throw eTerminateException();
        }
    }

    bool primKeyWaiting(tlogoobject*) { return keyBuffer().keyWaiting(); }
    tlogoobject* primLastKey(tlogoobject*) { return makeWord(keyBuffer().lastKeyName()); }
    tlogoobject* primKey(tlogoobject*) { return makeWord(nextKey().name); }

    // A character key gives its code, a special key the negative of its key number.
    int32_t keyCode(const KeyPress& key)
    {
        return key.character >= 0 ? key.character : -key.keyNumber;
    }

    // Mode 0 clears the buffer and outputs nothing; modes 1 and 2 wait for a key.
    tlogoobject* primReadKey(tlogoobject*, tLogoStack& stack, int32_t count, CallForm)
    {
        if (count > 1)
            throw eLogoException(erTooManyInputs);
        const int32_t mode = count == 1 ? stack.lookAt(0)->intInRange(0, 2) : 2;
        if (mode == 0) {
            keyBuffer().clear();
            return nullptr;
        }
        return makeInteger(keyCode(nextKey()));
    }

    // Enter and Tab give CR and TAB, other special keys the empty word.
    std::string characterOf(const KeyPress& key)
    {
        if (key.character >= 0)
            return std::string(1, static_cast<char>(key.character));
        if (key.keyNumber == enterKey || key.keyNumber == tabKey)
            return std::string(1, static_cast<char>(key.keyNumber));
        return {};
    }

    // One byte of the open input stream (the empty word at its end), else one typed key.
    tlogoobject* primReadChar(tlogoobject*)
    {
        if (std::optional<TextInputStream>& stream = TextInputStream::current()) {
            const std::optional<char> byte = stream->readByte();
            return makeWord(byte ? std::string(1, *byte) : std::string());
        }
        return makeWord(characterOf(nextKey()));
    }

} // namespace

void registerKeyPrimitives(tLogoTab& table, tlogoobject* owner)
{
    static constexpr PrimitiveRow rows[] = {
        predicate<0>("key?", etFun, primKeyWaiting),
        fixed<0>("lastkey", etFun, primLastKey),
        fixed<0>("key", etFun, primKey),
        variable("readkey", etFun, 0, primReadKey),
        fixed<0>("readchar", etFun, primReadChar),
    };
    registerPrimitives(table, owner, rows);
}

} // namespace velmora
