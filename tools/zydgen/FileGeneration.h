// Writing a whole generated data file: the generator's records streamed to disk in large blocks.
#pragma once

#include "Generator.h"

#include <cstdint>
#include <string>

namespace zyfo {

// When to stop; a negative field is no limit. With neither limit nothing is written.
struct GenerationLimit
{
    std::int64_t records = -1; // logged moments, damaged ones included
    std::int64_t bytes = -1;   // bytes written by this run: whole records, never more
};

struct GenerationResult
{
    bool ok = false;
    std::string error;        // what failed, for the user, when !ok
    std::int64_t records = 0; // logged moments written
    std::int64_t bytes = 0;   // bytes written
    std::int64_t damaged = 0; // records written damaged (flipped, torn or after noise)
};

// Writes records of `generator` to `path`, replacing the file or, with `append`, adding to its
// end. A failure (cannot open, disk full, clock past 9999) closes the file and is reported with
// what was written up to then.
GenerationResult generateFile(Generator &generator, const std::string &path,
                              const GenerationLimit &limit, bool append);

} // namespace zyfo
