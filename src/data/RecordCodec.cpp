// Byte-level encoding of data-file records: the stored negation and the two check bytes.
#include "RecordCodec.h"

#include <algorithm>
#include <cstring>

namespace zyfo {
namespace {

// Whole files pass through these two functions: they work on many bytes at a time.
constexpr std::uint64_t kEvenBytes = 0x00FF00FF00FF00FFu;
constexpr std::uint64_t kLowBits = 0x0101010101010101u;
// Sixteen bytes as one vector of the compiler's (SSE2 on x86-64), negated byte by byte.
using SixteenBytes = std::uint8_t __attribute__((vector_size(16)));

// The sum of the 16-bit lanes of a word.
std::uint64_t laneSum(std::uint64_t lanes)
{
    lanes = (lanes & 0x0000FFFF0000FFFFu) + ((lanes >> 16) & 0x0000FFFF0000FFFFu);
    return (lanes & 0xFFFFFFFFu) + (lanes >> 32);
}

} // namespace

void negateBytes(std::span<std::uint8_t> bytes)
{
    std::size_t i = 0;
    for (; i + sizeof(SixteenBytes) <= bytes.size(); i += sizeof(SixteenBytes)) {
        SixteenBytes v;
        std::memcpy(&v, bytes.data() + i, sizeof v);
        v = -v;
        std::memcpy(bytes.data() + i, &v, sizeof v);
    }
    for (; i < bytes.size(); ++i)
        bytes[i] = negateByte(bytes[i]);
}

CheckBytes computeCheckBytes(std::span<const std::uint8_t> decoded)
{
    // Bytes above 127 count negative, as the logger sums them with a signed char: the sum of
    // the bytes as unsigned, less 256 for each byte with its high bit set. Both are gathered
    // in lanes of a word over up to 128 words, which no lane can overflow, then added up.
    constexpr std::size_t kWordsPerRound = 128;
    long long sum = 0;
    std::size_t i = 0;
    while (i + 8 <= decoded.size()) {
        const std::size_t words = std::min((decoded.size() - i) / 8, kWordsPerRound);
        std::uint64_t pairs = 0; // 16-bit lanes: sums of two bytes
        std::uint64_t highs = 0; // byte lanes: counts of high bits
        for (const std::size_t stop = i + 8 * words; i < stop; i += 8) {
            const std::uint64_t word = loadWord(decoded.data() + i);
            pairs += (word & kEvenBytes) + ((word >> 8) & kEvenBytes);
            highs += (word >> 7) & kLowBits;
        }
        const std::uint64_t highCount = laneSum((highs & kEvenBytes) + ((highs >> 8) & kEvenBytes));
        sum += static_cast<long long>(laneSum(pairs)) - 256LL * static_cast<long long>(highCount);
    }
    for (; i < decoded.size(); ++i)
        sum += static_cast<std::int8_t>(decoded[i]);
    return {static_cast<int>(sum % 253 + 1), static_cast<int>(sum % 251 + 1)};
}

bool checkBytesMatch(std::span<const std::uint8_t> decoded, std::uint8_t c1, std::uint8_t c2)
{
    const CheckBytes expected = computeCheckBytes(decoded);
    return (expected.first - static_cast<std::int8_t>(c1)) % 256 == 0 &&
           (expected.second - static_cast<std::int8_t>(c2)) % 256 == 0;
}

std::string encodeRecord(std::string_view body)
{
    const auto *first = reinterpret_cast<const std::uint8_t *>(body.data());
    const CheckBytes check = computeCheckBytes({first, body.size()});
    std::string out(body);
    out += '@';
    out += static_cast<char>(static_cast<std::uint8_t>(check.first));
    out += static_cast<char>(static_cast<std::uint8_t>(check.second));
    for (char &c : out)
        c = static_cast<char>(negateByte(static_cast<std::uint8_t>(c)));
    return out;
}

} // namespace zyfo
