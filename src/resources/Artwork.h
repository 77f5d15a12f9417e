// The program's pictures as PNG bytes, rendered from the SVG drawings in art/ when the program
// is built.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zyfo::artwork {

extern const std::uint8_t icon16[];
extern const std::size_t icon16Size;
extern const std::uint8_t icon32[];
extern const std::size_t icon32Size;
extern const std::uint8_t icon48[];
extern const std::size_t icon48Size;
extern const std::uint8_t icon256[];
extern const std::size_t icon256Size;
extern const std::uint8_t about[];
extern const std::size_t aboutSize;
extern const std::uint8_t splash[];
extern const std::size_t splashSize;

} // namespace zyfo::artwork
