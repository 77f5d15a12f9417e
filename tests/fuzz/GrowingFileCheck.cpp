// Fuzz check of following a growing file: reading it in pieces equals one full read.
#include "GrowingFileCheck.h"

#include "LoadedFile.h"
#include "RecordText.h"

#include <algorithm>
#include <limits>
#include <set>
#include <vector>

namespace zyfo {
namespace {

constexpr std::size_t kControlBytesPerStep = 3;
constexpr std::size_t kMostSteps = 6;

struct Step
{
    std::size_t end; // file length after the step
    std::uint8_t fault;
};

struct Plan
{
    std::string file; // stored bytes of the whole file
    std::vector<Step> steps;
};

Plan planOf(std::span<const std::uint8_t> input)
{
    Plan plan;
    if (input.empty())
        return plan;
    const std::size_t wanted = 1 + input.back() % kMostSteps;
    const std::size_t steps = std::min(wanted, (input.size() - 1) / kControlBytesPerStep);
    const std::size_t fileSize = input.size() - 1 - steps * kControlBytesPerStep;
    plan.file = stored({input.begin(), input.begin() + static_cast<std::ptrdiff_t>(fileSize)});
    for (std::size_t i = 0; i < steps; ++i) {
        const std::uint8_t *c = input.data() + fileSize + i * kControlBytesPerStep;
        const std::size_t raw = std::size_t{c[0]} << 8 | c[1];
        plan.steps.push_back({fileSize * raw / 0xFFFF, c[2]});
    }
    std::stable_sort(plan.steps.begin(), plan.steps.end(),
                     [](const Step &a, const Step &b) { return a.end < b.end; });
    return plan;
}

void injectFault(LoadedFile &f, std::uint8_t fault)
{
    const int upper = fault >> 2;
    switch (fault & 3) {
    case 1:
        f.source.setLargestRead(1 + upper * 17);
        break;
    case 2:
        f.source.failReadsFrom(f.file.readOffset() + upper * 37);
        break;
    case 3:
        f.source.setLengthFails(true);
        break;
    default:
        break;
    }
}

void clearFaults(LoadedFile &f)
{
    f.source.setLargestRead(std::numeric_limits<std::int64_t>::max());
    f.source.failReadsFrom(-1);
    f.source.setLengthFails(false);
}

std::set<std::string> itemsOf(const MemoryReaderListener &listener)
{
    return {listener.items().begin(), listener.items().end()};
}

// Compares the model read in pieces with one full read of the same bytes.
std::string compareWithFullRead(const LoadedFile &pieces, const std::string &bytes,
                                const char *when)
{
    LoadedFile whole(bytes);
    whole.open();
    const std::string expected = modelText(whole.file);
    const std::string actual = modelText(pieces.file);
    if (actual != expected)
        return std::string("read in pieces differs from a full read ") + when + " at " +
               std::to_string(bytes.size()) + " bytes:\n--- pieces\n" + actual +
               "\n--- full read\n" + expected;
    if (whole.file.rowCount() < 2)
        return {};
    const std::set<std::string> listed = itemsOf(whole.listener);
    for (const std::string &item : pieces.listener.items())
        if (!listed.count(item))
            return "read in pieces listed \"" + item + "\", which a full read does not list";
    return {};
}

} // namespace

std::string growingFileInput(std::string_view decoded, std::span<const GrowingStep> steps)
{
    std::string input(decoded);
    for (const GrowingStep &step : steps) {
        const auto raw = static_cast<unsigned>(std::clamp(step.cut, 0.0, 1.0) * 0xFFFF);
        input += static_cast<char>(raw >> 8);
        input += static_cast<char>(raw & 0xFF);
        input += static_cast<char>(step.fault);
    }
    input += static_cast<char>((steps.size() + kMostSteps - 1) % kMostSteps);
    return input;
}

std::string checkGrowingFile(std::span<const std::uint8_t> input)
{
    const Plan plan = planOf(input);
    LoadedFile pieces;
    bool refresh = false;
    for (const Step &step : plan.steps) {
        pieces.source.bytes() = plan.file.substr(0, step.end);
        injectFault(pieces, step.fault);
        const ReadResult result =
            ReadMeasurementFile(pieces.file, &pieces.source, pieces.listener, refresh);
        clearFaults(pieces);
        refresh = true;
        // A full read compared with a full read proves nothing; continuations are the point.
        // Comparing costs a full read, so the input picks the steps (bit 2 of a clean step).
        if (step.fault == 4 && !result.fullRead)
            if (std::string fault =
                    compareWithFullRead(pieces, pieces.source.bytes(), "after a step");
                !fault.empty())
                return fault;
    }
    pieces.source.bytes() = plan.file;
    ReadMeasurementFile(pieces.file, &pieces.source, pieces.listener, refresh);
    return compareWithFullRead(pieces, plan.file, "at the end");
}

} // namespace zyfo
