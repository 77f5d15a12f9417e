// The report writer on a full disk, on a file system that fills up half-way and in read-only
// places: it reports the failure, closes the file and claims nothing it did not write.
#include "FileContents.h"
#include "FileSizeLimit.h"
#include "Generator.h"
#include "LoadedFile.h"
#include "OpenDescriptors.h"
#include "ReportWriter.h"
#include "SystemReportFile.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <optional>
#include <sys/wait.h>
#include <unistd.h>

namespace zyfo {
namespace {

namespace fs = std::filesystem;
using test::readFile;

// A day of a logger's minutes, read as the program reads a file: a report of about 300 KB.
const MeasurementFile &loggedDay()
{
    static LoadedFile day;
    if (day.file.rowCount() == 0) {
        GeneratorOptions options;
        options.entries = 8;
        Generator generator(options);
        for (int i = 0; i < 1440; ++i)
            generator.appendNext(day.source.bytes());
        day.open();
    }
    return day.file;
}

// Writes the report of loggedDay() to `path`, answering `action` if the file existed.
ReportResult writeReport(const std::string &path, ExistingFileAction action, bool *asked = nullptr)
{
    ReportOptions options;
    options.withComment = true;
    options.comment = "Pomiar w hali";
    SystemReportFile file;
    return ReportWriter(loggedDay(), options).write(file, path, [&] {
        if (asked)
            *asked = true;
        return action;
    });
}

class ReportFault : public ::testing::Test
{
protected:
    void SetUp() override { loggedDay(); } // made before descriptors are counted

    test::TemporaryFolder m_folder{"zyfo-report-fault"};
    const fs::path m_dir = m_folder.path();
};

TEST_F(ReportFault, FullOrFillingDiskFailsClosesAndClaimsNoMoreThanWritten)
{
    const fs::path path = m_dir / "raport.txt";
    const std::string old = "poprzedni raport\r\n";
    for (const ExistingFileAction action :
         {ExistingFileAction::Append, ExistingFileAction::Replace}) {
        std::ofstream(path, std::ios::binary) << old;
        const int descriptors = openDescriptors();
        ReportResult result;
        {
            const FileSizeLimit limit(64 * 1024);
            result = writeReport(path.string(), action);
        }
        EXPECT_EQ(result.status, ReportStatus::WriteFailed);
        EXPECT_FALSE(result.systemError.empty());
        EXPECT_EQ(openDescriptors(), descriptors);
        const std::string written = readFile(path);
        EXPECT_LE(written.size(), 64u * 1024u);
        const std::size_t kept = action == ExistingFileAction::Append ? old.size() : 0;
        EXPECT_EQ(written.substr(0, kept), old.substr(0, kept));
        EXPECT_LE(result.bytesWritten, static_cast<std::int64_t>(written.size() - kept));
    }
    // Room again: the same report is written whole.
    EXPECT_EQ(writeReport(path.string(), ExistingFileAction::Replace).status,
              ReportStatus::Written);
    EXPECT_GT(fs::file_size(path), 64u * 1024u);
}

// Runs `check` in a child process that cannot override file permissions (an unprivileged user
// when the tests run as root): true when the check found no fault (the child prints what it
// found), nothing when the child could not give up the root user's rights.
std::optional<bool> runUnprivileged(const std::function<std::string()> &check)
{
    constexpr int kStillRoot = 3;
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(kStillRoot);
        const std::string fault = check();
        if (!fault.empty())
            std::fprintf(stderr, "%s\n", fault.c_str());
        ::_exit(fault.empty() ? 0 : 1); // no exit handlers: they belong to the parent
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == kStillRoot)
        return std::nullopt;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(ReportFault, ReadOnlyPlacesAreUnavailableAndLeftAsTheyWere)
{
    const fs::path folder = m_dir / "tylko-do-odczytu";
    fs::create_directories(folder);
    const fs::path existing = folder / "stary.txt";
    std::ofstream(existing, std::ios::binary) << "stary raport\r\n";
    fs::permissions(existing,
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read |
                                fs::perms::others_exec);
    fs::permissions(m_dir, fs::perms::others_exec | fs::perms::group_exec, fs::perm_options::add);

    const std::optional<bool> passed = runUnprivileged([&]() -> std::string {
        for (const fs::path &path : {folder / "nowy.txt", existing}) {
            const int descriptors = openDescriptors();
            bool asked = false;
            const ReportResult result =
                writeReport(path.string(), ExistingFileAction::Replace, &asked);
            if (result.status != ReportStatus::FileUnavailable || result.systemError.empty())
                return path.string() + ": not reported as unavailable";
            if (asked || result.bytesWritten != 0)
                return path.string() + ": asked or claimed to write";
            if (openDescriptors() != descriptors)
                return path.string() + ": a descriptor was left open";
        }
        return {};
    });
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
    if (!passed)
        GTEST_SKIP() << "the root user's rights cannot be given up here";
    EXPECT_TRUE(*passed) << "the check's fault is printed above";
    EXPECT_FALSE(fs::exists(folder / "nowy.txt"));
    EXPECT_EQ(readFile(existing), "stary raport\r\n");
}

} // namespace
} // namespace zyfo
