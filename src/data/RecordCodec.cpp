// Byte-level encoding of data-file records: the stored negation and the two check bytes.
#include "RecordCodec.h"

#include <cstring>

namespace zyfo {
namespace {

// Whole files pass through these two functions, so they work on eight bytes at a time.
constexpr std::uint64_t kHighBits = 0x8080808080808080u;
constexpr std::uint64_t kEvenBytes = 0x00FF00FF00FF00FFu;
constexpr std::uint64_t kEvenPairs = 0x0000FFFF0000FFFFu;

// 0 - b in each byte of the word, without borrows between bytes.
std::uint64_t negateWord(std::uint64_t word)
{
    return (kHighBits - (word & ~kHighBits)) ^ (~word & kHighBits);
}

// Sum of the word's eight bytes taken as signed bytes.
long long signedByteSum(std::uint64_t word)
{
    const std::uint64_t pairs = (word & kEvenBytes) + ((word >> 8) & kEvenBytes);
    const std::uint64_t quads = (pairs & kEvenPairs) + ((pairs >> 16) & kEvenPairs);
    const auto unsignedSum = static_cast<long long>((quads & 0xFFFFFFFFu) + (quads >> 32));
    // Each byte with its high bit set counts 256 less; the multiplication adds up those bits.
    const auto highBytes =
        static_cast<long long>((((word & kHighBits) >> 7) * 0x0101010101010101u) >> 56);
    return unsignedSum - 256LL * highBytes;
}

} // namespace

void negateBytes(std::span<std::uint8_t> bytes)
{
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        const std::uint64_t word = negateWord(loadWord(bytes.data() + i));
        std::memcpy(bytes.data() + i, &word, sizeof word);
    }
    for (; i < bytes.size(); ++i)
        bytes[i] = negateByte(bytes[i]);
}

CheckBytes computeCheckBytes(std::span<const std::uint8_t> decoded)
{
    // Bytes above 127 count negative, as the logger sums them with a signed char.
    long long sum = 0;
    std::size_t i = 0;
    for (; i + 8 <= decoded.size(); i += 8)
        sum += signedByteSum(loadWord(decoded.data() + i));
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
