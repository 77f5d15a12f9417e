// zyfo-fuzz-seeds: writes the seed inputs of the fuzz checks: generated and hand-made files.
#include "Generator.h"
#include "GrowingFileCheck.h"
#include "PiecesCheck.h"
#include "RecordText.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <utility>
#include <vector>

namespace zyfo {
namespace {

namespace fs = std::filesystem;

using Seed = std::pair<std::string, std::string>; // name, decoded bytes

// Decoded bytes of one record as a logger writes it, and of minute records.
std::string decodedRecord(const std::string &stamp, const std::vector<EntryText> &entries)
{
    return stored(record(stamp, entries));
}

std::string minutes(int count, int firstMinute = 0)
{
    return stored(minuteRecords(count, firstMinute));
}

// Files of a logger from the generator; `damaged` records are flipped, torn or after noise.
std::string generated(int entries, double damaged, double missing, std::int64_t period,
                      CivilTime start, std::size_t size, std::uint64_t seed)
{
    GeneratorOptions options;
    options.seed = seed;
    options.entries = entries;
    options.corruptProbability = damaged;
    options.missingProbability = missing;
    options.periodSeconds = period;
    options.start = start;
    Generator generator(options);
    std::string out;
    while (out.size() < size)
        generator.appendNext(out);
    return stored(out);
}

// A logger whose clock follows local time through the night the clocks go back, so the hour
// from 02:00 is written twice, and through the night they go forward.
std::string clockChanges()
{
    GeneratorOptions options;
    options.entries = 3;
    options.periodSeconds = 600;
    options.start = {2006, 10, 29, 1, 0, 0};
    Generator generator(options);
    std::string out;
    for (int i = 0; i < 36; ++i) {
        if (i == 12) // 03:00 summer time is 02:00 winter time
            generator.setNextMoment({2006, 10, 29, 2, 0, 0});
        if (i == 24)
            generator.setNextMoment({2006, 3, 26, 1, 0, 0});
        generator.appendNext(out);
    }
    return stored(out);
}

std::vector<Seed> handMade()
{
    const std::string example =
        decodedRecord("20061205143000", {{4, 1, 25, "21.5"}, {4, 1, 26, "45.2"}});
    std::string changed = example;
    changed[17] = '2';
    const std::string hour = minutes(60);
    std::vector<EntryText> entries36;
    for (int i = 0; i < 36; ++i)
        entries36.push_back({4, i, 25, "1"});
    std::string manyNames;
    for (int device = 0; device < 300; ++device)
        manyNames += stored(record(stampAt(10, device / 60, device % 60),
                                   {{14, device, 25, std::to_string(device)}}));
    std::string zeroStamp = stampAt(10, 7);
    zeroStamp[9] = '\0';
    return {
        {"example", example},
        {"changed-digit", changed + minutes(3)},
        {"minutes", hour},
        {"torn-last", hour + example.substr(0, 30)},
        {"torn-middle", minutes(30) + example.substr(0, 25) + minutes(30, 30)},
        {"stamp-only", stored(encodeRecord("20061205143000$")) + minutes(2)},
        {"equal-stamps-month-13", decodedRecord(stampAt(10, 0), {{4, 1, 25, "1"}}) +
                                      decodedRecord(stampAt(9, 0), {{4, 1, 25, "2"}}) +
                                      decodedRecord(stampAt(9, 0), {{4, 1, 25, "3"}}) +
                                      decodedRecord("20061305000000", {{4, 1, 25, "4"}})},
        {"entries-stop-early",
         decodedRecord(stampAt(10, 0), entries36) +
             decodedRecord(stampAt(10, 2), {{4, 1, 25, "2"}, {4, 1, 99, "3"}}) + minutes(3, 3)},
        {"pascals-and-missing",
         decodedRecord(stampAt(10, 0), {{4, 1, 47, "101325"}, {4, 1, 26, "?"}}) +
             decodedRecord(stampAt(10, 1), {{4, 1, 47, "  -1.5e2xyz"}, {4, 1, 26, "?5"}})},
        {"unusual-fields",
         decodedRecord(stampAt(10, 0),
                       {{4, 1, 25, "  " + std::string(150, '0') + "12.25"}, {4, 1, 26, "1e999"}}) +
             decodedRecord(stampAt(10, 1),
                           {{4, 1, 25, std::string(700, ' ') + "7"}, {4, 1, 26, "nan"}}) +
             decodedRecord(stampAt(10, 2), {{4, 99999999, 25, "-1e-999"}, {-7, 3, 58, "1"}})},
        {"zero-byte-stamp",
         minutes(3) + decodedRecord(zeroStamp, {{4, 1, 25, "30"}}) + minutes(2, 3)},
        {"garbage-between",
         minutes(20) + "12345$$,,@@,,$" + std::string(40, '\0') + "@@@" + minutes(20, 20)},
        {"longest-record",
         minutes(2) + decodedRecord(stampAt(10, 3), {{4, 1, 25, std::string(17000, ' ')}}) +
             minutes(2, 4)},
        {"many-names", manyNames},
        {"short-tail", minutes(3) + stored(encodeRecord(stampAt(10, 5) + "$"))},
        {"clock-changes", clockChanges()},
    };
}

std::vector<Seed> fromGenerator()
{
    const CivilTime may{2006, 5, 12, 0, 0, 0};
    const CivilTime autumn{2006, 10, 28, 23, 0, 0};
    return {
        {"zydgen-e22", generated(22, 0.0, 0.002, 60, may, 3900, 1)},
        {"zydgen-e35-damaged", generated(35, 0.2, 0.002, 60, may, 4000, 2)},
        {"zydgen-e3-damaged", generated(3, 0.3, 0.1, 1, may, 3500, 3)},
        {"zydgen-e1", generated(1, 0.0, 0.0, 3600, autumn, 3000, 4)},
        {"zydgen-e0-damaged", generated(0, 0.3, 0.0, 600, autumn, 2500, 5)},
        {"zydgen-e8-missing", generated(8, 0.05, 0.5, 60, autumn, 3800, 6)},
    };
}

// Steps of the growing file: a first read below 2000 bytes, continuations past it, faults.
std::string growing(const std::string &decoded, std::uint64_t variant)
{
    const std::array<std::vector<GrowingStep>, 3> plans = {{
        {{0.3, 0}, {0.55, 4}, {0.56, 4}, {0.8, 0}, {1.0, 4}},
        {{0.1, 0}, {0.4, 1 + 4 * 3}, {0.7, 2 + 4 * 20}, {0.75, 3}, {0.9, 4}},
        {{0.5, 4}, {0.6, 2}, {0.61, 4}, {0.99, 1}},
    }};
    return growingFileInput(decoded, plans[variant % plans.size()]);
}

// Cuts of the file read in pieces: one, a few close together, damage at some.
std::string pieces(const std::string &decoded, std::uint64_t variant)
{
    const std::array<std::vector<PieceCut>, 3> plans = {{
        {{0.5, false}},
        {{0.2, false}, {0.201, true}, {0.6, false}, {0.9, true}},
        {{0.05, true}, {0.3, false}, {0.31, false}, {0.32, false}, {0.7, true}, {0.999, false}},
    }};
    return piecesInput(decoded, plans[variant % plans.size()]);
}

void write(const fs::path &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace
} // namespace zyfo

int main(int argc, char **argv)
{
    using namespace zyfo;
    if (argc != 2) {
        std::cerr << "usage: zyfo-fuzz-seeds FOLDER\n"
                     "Writes the seeds of the fuzz checks into FOLDER/parser, FOLDER/reader, "
                     "FOLDER/growing and FOLDER/pieces.\n";
        return 2;
    }
    try {
        const fs::path root = argv[1];
        for (const char *check : {"parser", "reader", "growing", "pieces"})
            fs::create_directories(root / check);
        std::vector<Seed> seeds = handMade();
        for (Seed &seed : fromGenerator())
            seeds.push_back(std::move(seed));
        std::uint64_t variant = 0;
        for (const auto &[name, decoded] : seeds) {
            write(root / "parser" / name, decoded);
            write(root / "reader" / name, decoded);
            write(root / "growing" / name, growing(decoded, variant));
            write(root / "pieces" / name, pieces(decoded, variant++));
        }
    } catch (const std::exception &e) {
        std::cerr << "zyfo-fuzz-seeds: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
