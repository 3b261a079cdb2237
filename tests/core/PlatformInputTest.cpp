// Key input and the clipboard through their platform interfaces: keys fed into the key buffer
// reach "key", "readkey" and "readchar"; a wait on an empty buffer ends when a key arrives; text
// primitives use whichever clipboard is installed.
#include "core/Clipboard.h"
#include "core/EngineStartup.h"
#include "core/KeyBuffer.h"
#include "startup/ConsoleSession.h"

#include <gtest/gtest.h>

#include <thread>

namespace velmora {
namespace {

    class RecordingCommander : public Icommander {
    public:
        void reportError(const eLogoException& error) override { errors.push_back(error.code); }
        void printText(std::string_view text) override { output += text; }
        std::string output;
        std::vector<int> errors;
    };

    // Runs the lines in a fresh console session and returns what they printed (errors as
    // "error N" lines).
    std::string runLines(const std::vector<std::string>& lines)
    {
        startEngine();
        RecordingCommander commander;
        {
            ConsoleSession session(commander);
            for (const std::string& line : lines)
                session.feedLine(line);
            session.finish();
        }
        std::string result = commander.output;
        for (int code : commander.errors)
            result.append("error ").append(std::to_string(code)).append("\r\n");
        return result;
    }

    KeyPress character(char c) { return { static_cast<unsigned char>(c), 0, std::string(1, c) }; }
    KeyPress special(int32_t number, std::string name) { return { -1, number, std::move(name) }; }

    class KeyInput : public testing::Test {
    protected:
        KeyInput() { memoryKeyBuffer().reset(); }
        ~KeyInput() override { memoryKeyBuffer().reset(); }
    };

    struct KeyCase {
        std::vector<KeyPress> keys;
        std::string line;
        std::string printed;
    };

    TEST_F(KeyInput, FedKeysReachThePrimitives)
    {
        const KeyCase cases[] = {
            { { character('a') }, "print key", "a\r\n" },
            { { character('a') }, "print readkey", "97\r\n" },
            { { special(37, "left") }, "print readkey", "-37\r\n" },
            { { special(37, "left") }, "print key", "left\r\n" },
            // Enter reads as CR, which printing writes as a line break.
            { { special(13, "enter") }, "(type readchar \"x)", "\r\nx" },
            { { special(9, "tab") }, "type readchar", "\t" },
            { { special(112, "f1") }, "print readchar", "\r\n" },
            { { character('z') }, "print readchar", "z\r\n" },
            { { character('x') }, "print key?", "true\r\n" },
            { { character('x'), character('y') }, "(readkey 0) print key?", "false\r\n" },
            { { character('x'), character('y') }, "print lastkey", "y\r\n" },
            { {}, "print key", "error 170\r\n" },
        };
        for (const KeyCase& row : cases) {
            memoryKeyBuffer().reset();
            for (const KeyPress& key : row.keys)
                memoryKeyBuffer().feed(key);
            EXPECT_EQ(runLines({ row.line }), row.printed) << row.line;
        }
    }

    // A buffer that receives its key only once a process waits on it: the wait must release the
    // interpreter lock, wait, and look again.
    class KeyOnWait final : public IkeyBuffer {
    public:
        bool keyWaiting() override { return m_buffer.keyWaiting(); }
        std::optional<KeyPress> takeKey() override { return m_buffer.takeKey(); }
        void clear() override { m_buffer.clear(); }
        std::string lastKeyName() override { return m_buffer.lastKeyName(); }
        bool canReceiveKeys() override { return true; }
        void waitForKey(std::chrono::milliseconds timeout) override
        {
            ++waits;
            std::thread([this] { m_buffer.feed(character('k')); }).join();
            m_buffer.waitForKey(timeout);
        }
        int waits = 0;

    private:
        MemoryKeyBuffer m_buffer;
    };

    TEST_F(KeyInput, AWaitEndsWhenAKeyArrives)
    {
        KeyOnWait buffer;
        {
            const auto installed = keyBufferService().install(buffer);
            EXPECT_EQ(runLines({ "print key" }), "k\r\n");
        }
        EXPECT_EQ(buffer.waits, 1);
    }

    TEST_F(KeyInput, MemoryBufferKeepsOrderAndWakesAWaiter)
    {
        MemoryKeyBuffer buffer;
        EXPECT_FALSE(buffer.canReceiveKeys());
        buffer.setFeederConnected(true);
        std::thread feeder([&] {
            buffer.feed(character('1'));
            buffer.feed(character('2'));
        });
        while (!buffer.keyWaiting())
            buffer.waitForKey(std::chrono::milliseconds(1000));
        feeder.join();
        EXPECT_EQ(buffer.takeKey()->name, "1");
        EXPECT_EQ(buffer.takeKey()->name, "2");
        EXPECT_FALSE(buffer.takeKey());
        EXPECT_EQ(buffer.lastKeyName(), "2");
    }

    class RecordingClipboard final : public Iclipboard {
    public:
        std::optional<std::string> text() override { return content; }
        void setText(std::string text) override { content = std::move(text); }
        std::optional<std::string> content;
    };

    TEST(Clipboard, TextPrimitivesUseTheInstalledClipboard)
    {
        RecordingClipboard clipboard;
        const auto installed = clipboardService().install(clipboard);
        EXPECT_EQ(runLines({ "show loadtext \"clipboard" }), "error 59\r\n");
        clipboard.content = "one\r\ntwo\n\nthree\rfour\r\n";
        EXPECT_EQ(runLines({ "show loadtext \"clipboard" }), "[one two three four]\r\n");
        runLines({ "savetext \"clipboard [a [b c]]", "appendtext \"clipboard 7" });
        EXPECT_EQ(clipboard.content, "a\r\nb c\r\n7");
    }

} // namespace
} // namespace velmora
