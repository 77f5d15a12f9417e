// Fuzz check of reading a file in pieces in parallel: it equals one pass over the file.
#include "PiecesCheck.h"

#include "LoadedFile.h"
#include "RecordText.h"

#include <algorithm>
#include <vector>

namespace zyfo {
namespace {

constexpr std::size_t kControlBytesPerCut = 3;
constexpr std::size_t kMostCuts = 8;
constexpr std::uint8_t kDamage[] = {'@', '$', '7', 0};

struct Plan
{
    std::string file; // stored bytes
    std::vector<std::int64_t> cuts;
};

Plan planOf(std::span<const std::uint8_t> input)
{
    Plan plan;
    if (input.empty())
        return plan;
    const std::size_t wanted = 1 + input.back() % kMostCuts;
    const std::size_t cuts = std::min(wanted, (input.size() - 1) / kControlBytesPerCut);
    const std::size_t fileSize = input.size() - 1 - cuts * kControlBytesPerCut;
    std::string decoded(input.begin(), input.begin() + static_cast<std::ptrdiff_t>(fileSize));
    for (std::size_t i = 0; i < cuts; ++i) {
        const std::uint8_t *c = input.data() + fileSize + i * kControlBytesPerCut;
        const std::size_t at = fileSize * (std::size_t{c[0]} << 8 | c[1]) / 0xFFFF;
        plan.cuts.push_back(static_cast<std::int64_t>(at));
        if ((c[2] & 1) != 0 && at < decoded.size())
            decoded[at] = static_cast<char>(kDamage[(c[2] >> 1) % std::size(kDamage)]);
    }
    std::sort(plan.cuts.begin(), plan.cuts.end());
    plan.file = stored(decoded);
    return plan;
}

std::string resultText(const ReadResult &r)
{
    return "rows " + std::to_string(r.rowsAdded) + ", skipped " + std::to_string(r.recordsSkipped) +
           (r.readError ? ", read error" : "");
}

} // namespace

std::string piecesInput(std::string_view decoded, std::span<const PieceCut> cuts)
{
    std::string input(decoded);
    for (const PieceCut &cut : cuts) {
        const auto raw = static_cast<unsigned>(std::clamp(cut.at, 0.0, 1.0) * 0xFFFF);
        input += static_cast<char>(raw >> 8);
        input += static_cast<char>(raw & 0xFF);
        input += static_cast<char>(cut.damage ? 1 : 0);
    }
    input += static_cast<char>((cuts.size() + kMostCuts - 1) % kMostCuts);
    return input;
}

std::string checkPieces(std::span<const std::uint8_t> input)
{
    const Plan plan = planOf(input);
    LoadedFile pieces(plan.file);
    pieces.source.setReadsAtOffsets(true);
    const ReadResult inPieces = ReadMeasurementFile(pieces.file, &pieces.source, pieces.listener,
                                                    false, {true, plan.cuts, {}});
    LoadedFile whole(plan.file);
    const ReadResult inOnePass =
        ReadMeasurementFile(whole.file, &whole.source, whole.listener, false, {false, {}, {}});
    if (pieces.text() != whole.text())
        return "read in pieces differs from one pass:\n--- pieces\n" + pieces.text() +
               "\n--- one pass\n" + whole.text();
    if (resultText(inPieces) != resultText(inOnePass))
        return "read in pieces reports " + resultText(inPieces) + ", one pass " +
               resultText(inOnePass);
    return {};
}

} // namespace zyfo
