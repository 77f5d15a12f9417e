// Byte-level encoding of data-file records: the stored negation and the two check bytes.
#include "RecordCodec.h"

namespace zyfo {

void negateBytes(std::span<std::uint8_t> bytes)
{
    for (std::uint8_t &b : bytes)
        b = negateByte(b);
}

CheckBytes computeCheckBytes(std::span<const std::uint8_t> decoded)
{
    // Bytes above 127 count negative, as the logger sums them with a signed char.
    long long sum = 0;
    for (std::uint8_t b : decoded)
        sum += static_cast<std::int8_t>(b);
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
