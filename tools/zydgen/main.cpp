// zydgen: writes realistic data files and can keep appending to them like a running logger.
#include "FileGeneration.h"
#include "FollowLogger.h"
#include "ZydgenCommandLine.h"

#include <algorithm>
#include <csignal>
#include <iostream>

namespace {

volatile std::sig_atomic_t g_stop = 0;

extern "C" void requestStop(int)
{
    g_stop = 1;
}

} // namespace

int main(int argc, char **argv)
{
    std::string error;
    const std::optional<zyfo::ZydgenCommandLine> parsed =
        zyfo::ZydgenCommandLine::parse({argv + 1, argv + argc}, error);
    if (!parsed) {
        std::cerr << "zydgen: " << error << "\nTry 'zydgen --help'.\n";
        return 2;
    }
    zyfo::ZydgenCommandLine cl = *parsed;
    if (cl.help) {
        std::cout << zyfo::ZydgenCommandLine::usage();
        return 0;
    }
    if (cl.follow && !cl.startGiven) {
        // The history leads up to the moment live logging begins.
        const std::int64_t records = std::max<std::int64_t>(0, cl.limit.records);
        cl.generator.start = zyfo::CivilTime::fromSeconds(zyfo::CivilTime::localNow().toSeconds() -
                                                          records * cl.generator.periodSeconds);
    }

    zyfo::Generator generator(cl.generator);
    const zyfo::GenerationResult result =
        zyfo::generateFile(generator, cl.output, cl.limit, cl.append);
    if (!result.ok) {
        std::cerr << "zydgen: " << result.error << " (" << result.records << " records, "
                  << result.bytes << " bytes written)\n";
        return 1;
    }
    if (!cl.follow)
        return 0;

    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
    zyfo::FollowLogger logger(generator, *cl.follow, g_stop);
    error = logger.run(cl.output);
    if (!error.empty()) {
        std::cerr << "zydgen: " << error << " (" << logger.written() << " records appended)\n";
        return 1;
    }
    return 0;
}
