// Test helpers: a file's bytes, and the pages of a PDF file.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

namespace zyfo::test {

inline std::string readFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// How many times `pattern` matches in `text`.
inline std::size_t countMatches(const std::string &text, const std::regex &pattern)
{
    return static_cast<std::size_t>(std::distance(
        std::sregex_iterator(text.begin(), text.end(), pattern), std::sregex_iterator()));
}

// The number of page objects in a PDF file.
inline std::size_t pdfPageCount(const std::filesystem::path &path)
{
    return countMatches(readFile(path), std::regex(R"(/Type\s*/Page[^s])"));
}

} // namespace zyfo::test
