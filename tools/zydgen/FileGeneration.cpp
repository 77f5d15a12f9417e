// Writing a whole generated data file: the generator's records streamed to disk in large blocks.
#include "FileGeneration.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace zyfo {

namespace {

constexpr std::size_t kBlockSize = 1 << 20;

struct FileCloser
{
    void operator()(std::FILE *file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::string systemError(const std::string &what, const std::string &path)
{
    return what + " " + path + ": " + std::strerror(errno);
}

bool limitReached(const GenerationLimit &limit, const GenerationResult &result)
{
    if (limit.records < 0 && limit.bytes < 0)
        return true;
    return limit.records >= 0 && result.records >= limit.records;
}

} // namespace

GenerationResult generateFile(Generator &generator, const std::string &path,
                              const GenerationLimit &limit, bool append)
{
    GenerationResult result;
    FilePtr file(std::fopen(path.c_str(), append ? "ab" : "wb"));
    if (!file) {
        result.error = systemError("cannot open", path);
        return result;
    }
    std::string block;
    std::string record;
    block.reserve(kBlockSize + 4096);
    const auto flushBlock = [&]() {
        if (!block.empty() &&
            std::fwrite(block.data(), 1, block.size(), file.get()) != block.size())
            return false;
        result.bytes += static_cast<std::int64_t>(block.size());
        block.clear();
        return true;
    };
    try {
        while (!limitReached(limit, result)) {
            record.clear();
            const RecordDamage damage = generator.appendNext(record);
            const std::int64_t pending = result.bytes + static_cast<std::int64_t>(block.size());
            if (limit.bytes >= 0 &&
                pending + static_cast<std::int64_t>(record.size()) > limit.bytes)
                break;
            block += record;
            ++result.records;
            result.damaged += damage == RecordDamage::None ? 0 : 1;
            if (block.size() >= kBlockSize && !flushBlock()) {
                result.error = systemError("cannot write", path);
                return result;
            }
        }
    } catch (const std::out_of_range &e) {
        // Keep what was made so far: the file then ends at the last stamp a logger could write.
        result.error = e.what();
    }
    if (!flushBlock() || std::fflush(file.get()) != 0) {
        result.error = systemError("cannot write", path);
        return result;
    }
    if (std::fclose(file.release()) != 0) {
        result.error = systemError("cannot close", path);
        return result;
    }
    result.ok = result.error.empty();
    return result;
}

} // namespace zyfo
