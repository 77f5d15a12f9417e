// The fuzz checks by name, for the libFuzzer targets and for the test that replays the corpus.
#pragma once

#include "GrowingFileCheck.h"
#include "ParserCheck.h"
#include "PiecesCheck.h"
#include "ReaderCheck.h"

#include <array>
#include <string_view>

namespace zyfo {

// A check takes one input and returns an empty text, or what went wrong.
struct FuzzCheck
{
    std::string_view name; // also the folder of its corpus and reproducers
    std::string (*check)(std::span<const std::uint8_t> input);
};

inline constexpr std::array<FuzzCheck, 4> kFuzzChecks = {{
    {"parser", checkRecordParser},
    {"reader", checkReader},
    {"growing", checkGrowingFile},
    {"pieces", checkPieces},
}};

// The check called `name`, or null.
inline const FuzzCheck *findFuzzCheck(std::string_view name)
{
    for (const FuzzCheck &check : kFuzzChecks)
        if (check.name == name)
            return &check;
    return nullptr;
}

} // namespace zyfo
