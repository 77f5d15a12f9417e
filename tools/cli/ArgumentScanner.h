// Walks a tool's command-line arguments: options with a value, flags and plain arguments.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zyfo {

// Knows which option names take the next argument as their value and which stand alone; any
// other argument that starts with "-" (but is not "-" itself) is an unknown option.
class ArgumentScanner
{
public:
    // Handlers return an error message for the user, or an empty text to go on.
    using OptionHandler =
        std::function<std::string(const std::string &name, const std::string &value)>;
    using PlainHandler = std::function<std::string(const std::string &argument)>;

    ArgumentScanner(std::vector<std::string_view> valueOptions,
                    std::vector<std::string_view> flags);

    // Calls `onOption` for each option in order (value empty for a flag) and `onPlain` for each
    // plain argument. Stops at the first unknown option, option without its value, or handler
    // error, and returns that message; returns an empty text when all arguments were taken.
    std::string scan(const std::vector<std::string> &args, const OptionHandler &onOption,
                     const PlainHandler &onPlain) const;

private:
    static bool contains(const std::vector<std::string_view> &names, const std::string &name);

    std::vector<std::string_view> m_valueOptions;
    std::vector<std::string_view> m_flags;
};

} // namespace zyfo
