// A generated data file in the temporary folder for the window benchmarks, removed at exit.
#pragma once

#include "FileGeneration.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace zyfo {

// `records` one-minute records of the generator's station, `entries` entries a record.
class TempDataFile
{
public:
    TempDataFile(const std::string &name, std::int64_t records,
                 int entries = Station::kDefaultEntries)
        : m_path((std::filesystem::temp_directory_path() /
                  ("zyfo-" + name + "-" + std::to_string(::getpid()) + ".zyd"))
                     .string())
    {
        GeneratorOptions options;
        options.entries = entries;
        Generator generator(options);
        if (!generateFile(generator, m_path, {records, -1}, false).ok)
            std::fprintf(stderr, "cannot make the data file %s\n", m_path.c_str());
    }
    ~TempDataFile() { std::filesystem::remove(m_path); }
    TempDataFile(const TempDataFile &) = delete;
    TempDataFile &operator=(const TempDataFile &) = delete;

    const std::string &path() const { return m_path; }

private:
    std::string m_path;
};

} // namespace zyfo
