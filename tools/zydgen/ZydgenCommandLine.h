// The command line of zydgen: its options, their defaults and the usage text.
#pragma once

#include "FileGeneration.h"
#include "FollowLogger.h"
#include "Generator.h"

#include <optional>
#include <string>
#include <vector>

namespace zyfo {

struct ZydgenCommandLine
{
    GeneratorOptions generator;
    GenerationLimit limit;
    bool startGiven = false;
    bool append = false;
    bool help = false;
    std::optional<FollowOptions> follow;
    std::string output;

    // Parses the arguments after the program name. On a bad argument returns nullopt and sets
    // `error` to a message for the user.
    static std::optional<ZydgenCommandLine> parse(const std::vector<std::string> &args,
                                                  std::string &error);

    static const char *usage();
};

} // namespace zyfo
