// The local socket of the instance hand-over: messages arrive whole, a stale socket file does
// not stop listening, and a sender gives up when nobody answers.
#include "InstanceChannel.h"
#include "LocalSockets.h"
#include "TemporaryFolder.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <future>
#include <optional>

namespace zyfo {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class InstanceChannelTest : public ::testing::Test
{
protected:
    void SetUp() override { ensureApplication(); }

    // Sends from another thread, as a second process would, while this one's event loop
    // serves the listener; the sender's result.
    bool sendWhileServing(const std::string &message, std::chrono::milliseconds timeout = 10s)
    {
        auto sent = std::async(std::launch::async,
                               [&] { return InstanceChannel::send(m_socket, message, timeout); });
        EXPECT_TRUE(test::waitFor([&] { return sent.wait_for(0s) == std::future_status::ready; }));
        return sent.get();
    }

    test::TemporaryFolder m_folder{"zyfo-channel"};
    const fs::path m_socket = m_folder.path() / "Zyfo.socket";
    std::vector<std::string> m_received;
    std::function<void(const std::string &)> m_receive = [this](const std::string &message) {
        m_received.push_back(message);
    };
};

TEST_F(InstanceChannelTest, MessagesArriveWholeAlsoWhereADeadCopyLeftAFile)
{
    const struct
    {
        std::string left;
        std::string message;
    } cases[] = {
        {"nothing", "/home/ola/pomiary/stacja.zyd"},
        {"a dead socket", "/tmp/z nową linią\ni spacją.zyd"},
        {"a plain file", std::string(InstanceChannel::kMaxMessage, 'x')},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.left);
        m_received.clear();
        if (c.left == "a dead socket")
            test::RawLocalSocket(m_socket, false);
        if (c.left == "a plain file")
            std::ofstream(m_socket) << "left over";
        {
            InstanceChannel channel(m_socket, m_receive);
            ASSERT_TRUE(channel.listening());
            EXPECT_TRUE(sendWhileServing(c.message));
            EXPECT_TRUE(sendWhileServing("second"));
            EXPECT_EQ(m_received, (std::vector<std::string>{c.message, "second"}));
        }
        EXPECT_FALSE(fs::exists(m_socket)) << "the socket file goes with the channel";
    }
}

TEST_F(InstanceChannelTest, TheSenderGivesUpWhenNobodyTakesTheMessage)
{
    const struct
    {
        const char *what;
        bool silentListener;
    } cases[] = {
        {"no socket at all", false},
        {"a listener that never answers", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        std::optional<test::RawLocalSocket> listener;
        if (c.silentListener)
            listener.emplace(m_socket, true);
        EXPECT_FALSE(InstanceChannel::send(m_socket, "/tmp/a.zyd", 200ms));
    }
    // A message over the limit is dropped by the channel, which answers nothing.
    InstanceChannel channel(m_socket, m_receive);
    EXPECT_FALSE(sendWhileServing(std::string(InstanceChannel::kMaxMessage + 1, 'a'), 2s));
    EXPECT_TRUE(m_received.empty());
}

} // namespace
} // namespace zyfo
