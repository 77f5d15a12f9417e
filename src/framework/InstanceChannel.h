// The local socket through which a second start of the program hands a file to the running copy.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace zyfo {

// One message per connection: the sender writes it followed by a NUL byte (so that any file
// name can be sent), the listener answers with one NUL byte once it has taken the message and
// closes the connection. A message is at most kMaxMessage bytes; longer ones are dropped, and
// so are connections that close before their message is complete.
class InstanceChannel
{
public:
    static constexpr std::size_t kMaxMessage = 64 * 1024;

    // Listens on the socket `path` for the rest of the object's life. The caller holds the
    // instance lock, so whatever file is at `path` was left by a copy that died and is removed
    // first. `receive` runs on the GUI thread, from whichever event loop is running, once per
    // message. When the socket cannot be made listening() is false and nothing is received.
    InstanceChannel(const std::filesystem::path &path,
                    std::function<void(const std::string &)> receive);
    // Stops listening and removes the socket file.
    ~InstanceChannel();
    InstanceChannel(const InstanceChannel &) = delete;
    InstanceChannel &operator=(const InstanceChannel &) = delete;

    bool listening() const;

    // Hands `message` to the copy listening on `path` and waits for its answer. Connects again
    // while nobody listens yet (the running copy may still be starting) until `timeout` has
    // passed; false when no answer came by then.
    static bool send(const std::filesystem::path &path, const std::string &message,
                     std::chrono::milliseconds timeout);

private:
    class Listener;
    std::unique_ptr<Listener> m_listener;
};

} // namespace zyfo
