// Key input and the clipboard through their platform interfaces: keys fed into the key buffer
// reach "key", "readkey" and "readchar"; a wait on an empty buffer ends when a key arrives; text
// primitives use whichever clipboard is installed.
#include "core/Clipboard.h"
#include "core/EngineStartup.h"
#include "core/KeyBuffer.h"
#include "startup/ConsoleSession.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
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
        void waitForKey(const std::function<bool()>& stopped) override
        {
            ++waits;
            std::thread([this] { m_buffer.feed(character('k')); }).join();
            m_buffer.waitForKey(stopped);
        }
        void wakeWaiters() override { m_buffer.wakeWaiters(); }
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
        buffer.waitForKey([] { return false; });
        feeder.join();
        EXPECT_EQ(buffer.takeKey()->name, "1");
        EXPECT_EQ(buffer.takeKey()->name, "2");
        EXPECT_FALSE(buffer.takeKey());
        EXPECT_EQ(buffer.lastKeyName(), "2");
    }

    // A wait on the in-memory buffer ends when a key arrives, when the feeder disconnects (no key
    // can come any more) and when its stop condition turns true and the waiters are woken.
    TEST_F(KeyInput, AMemoryBufferWaitEndsOnAKeyADisconnectOrAStop)
    {
        struct Ending {
            const char* what;
            void (*end)(MemoryKeyBuffer& buffer, std::atomic<bool>& stop);
        };
        const Ending endings[] = {
            { "key",
                [](MemoryKeyBuffer& buffer, std::atomic<bool>&) { buffer.feed(character('k')); } },
            { "disconnect",
                [](MemoryKeyBuffer& buffer, std::atomic<bool>&) {
                    buffer.setFeederConnected(false);
                } },
            { "stop",
                [](MemoryKeyBuffer& buffer, std::atomic<bool>& stop) {
                    stop = true;
                    buffer.wakeWaiters();
                } },
        };
        for (const Ending& ending : endings) {
            MemoryKeyBuffer buffer;
            buffer.setFeederConnected(true);
            std::atomic<bool> stop = false;
            std::future<void> waited = std::async(
                std::launch::async, [&] { buffer.waitForKey([&] { return stop.load(); }); });
            ending.end(buffer, stop);
            EXPECT_EQ(waited.wait_for(std::chrono::seconds(30)), std::future_status::ready)
                << ending.what;
            // Ends a wait that the ending missed, so that the next case can run.
            stop = true;
            buffer.setFeederConnected(false);
        }
    }

    // A buffer that could receive a key but never does, and tells when a process waits on it:
    // only a stop request can end that wait.
    class KeysThatNeverCome final : public IkeyBuffer {
    public:
        bool keyWaiting() override { return false; }
        std::optional<KeyPress> takeKey() override { return std::nullopt; }
        void clear() override { }
        std::string lastKeyName() override { return {}; }
        bool canReceiveKeys() override { return true; }
        void waitForKey(const std::function<bool()>& stopped) override
        {
            std::unique_lock lock(m_mutex);
            ++m_waits;
            m_changed.notify_all();
            m_changed.wait(lock, stopped);
        }
        void wakeWaiters() override
        {
            std::lock_guard lock(m_mutex);
            m_changed.notify_all();
        }
        bool waitBegan()
        {
            std::unique_lock lock(m_mutex);
            return m_changed.wait_for(
                lock, std::chrono::seconds(30), [this] { return m_waits > 0; });
        }
        int waits()
        {
            std::lock_guard lock(m_mutex);
            return m_waits;
        }

    private:
        std::mutex m_mutex;
        std::condition_variable m_changed;
        int m_waits = 0;
    };

    TEST_F(KeyInput, AStopRequestEndsAKeyWait)
    {
        startEngine();
        KeysThatNeverCome keys;
        RecordingCommander commander;
        {
            const auto installed = keyBufferService().install(keys);
            ConsoleSession session(commander);
            session.feedLine("(launch [print key] \"reader)");
            EXPECT_TRUE(keys.waitBegan());
            std::future<void> cancelled
                = std::async(std::launch::async, [&] { session.feedLine("cancel \"reader"); });
            const bool woken
                = cancelled.wait_for(std::chrono::seconds(30)) == std::future_status::ready;
            if (!woken)
                keys.wakeWaiters(); // what the stop request failed to do
            cancelled.get();
            EXPECT_TRUE(woken);
            session.feedLine("print done? \"reader");
        }
        EXPECT_EQ(commander.output, "true\r\n");
        EXPECT_EQ(keys.waits(), 1);
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
