// Walks a tool's command-line arguments: options with a value, flags and plain arguments.
#include "ArgumentScanner.h"

#include <algorithm>

namespace zyfo {

ArgumentScanner::ArgumentScanner(std::vector<std::string_view> valueOptions,
                                 std::vector<std::string_view> flags)
    : m_valueOptions(std::move(valueOptions))
    , m_flags(std::move(flags))
{}

bool ArgumentScanner::contains(const std::vector<std::string_view> &names, const std::string &name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::string ArgumentScanner::scan(const std::vector<std::string> &args,
                                  const OptionHandler &onOption, const PlainHandler &onPlain) const
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        std::string error;
        if (contains(m_flags, arg)) {
            error = onOption(arg, {});
        } else if (contains(m_valueOptions, arg)) {
            if (i + 1 == args.size())
                return "missing value after " + arg;
            error = onOption(arg, args[++i]);
        } else if (arg.size() > 1 && arg[0] == '-') {
            return "unknown option " + arg;
        } else {
            error = onPlain(arg);
        }
        if (!error.empty())
            return error;
    }
    return {};
}

} // namespace zyfo
