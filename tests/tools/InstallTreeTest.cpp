// Tests of the install tree: `cmake --install` into a temporary DESTDIR puts exactly the files of
// a desktop installation in place, they agree with each other, and the freedesktop.org and
// manual page tools accept them.
#include "FileContents.h"
#include "ScopedEnvironment.h"
#include "TemporaryFolder.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using zyfo::test::readFile;
using zyfo::test::runTool;
using zyfo::test::ScopedEnvironment;
using zyfo::test::TemporaryFolder;
using zyfo::test::ToolOutput;

const std::string kAppId = "io.github.zyfo.Zyfo";
const std::string kMimeType = "application/x-zyfo-data";
const std::vector<int> kIconSizes = {16, 32, 48, 64, 128, 256};
// The programs, each with its manual page.
const std::vector<std::string> kPrograms = {"zyfo", "zyfo-export", "zydgen"};

// The full path of program `name` found on PATH, or an empty path when it is not installed.
fs::path findProgram(const std::string &name)
{
    const char *path = std::getenv("PATH");
    std::stringstream folders(path != nullptr ? path : "/usr/bin:/bin");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        const fs::path candidate = fs::path(folder) / name;
        if (!folder.empty() && ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

// Installs this build tree with `prefix` below `destdir`.
ToolOutput installInto(const fs::path &destdir, const std::string &prefix)
{
    ScopedEnvironment environment;
    environment.set("DESTDIR", destdir.string());
    return runTool(ZYFO_CMAKE_COMMAND, {"--install", ZYFO_BUILD_DIR, "--prefix", prefix});
}

// Every file and link below `root` as a path relative to it.
std::set<std::string> filesBelow(const fs::path &root)
{
    std::set<std::string> files;
    for (const fs::directory_entry &entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_directory() || entry.is_symlink())
            files.insert(fs::relative(entry.path(), root).string());
    }
    return files;
}

// What an install with `prefix` (absolute) must hold, relative to DESTDIR.
std::set<std::string> expectedFiles(const std::string &prefix)
{
    const std::string base = prefix.substr(1) + "/";
    const std::string share = base + "share/";
    std::set<std::string> files = {
        share + "applications/" + kAppId + ".desktop",
        share + "mime/packages/" + kAppId + ".xml",
        share + "metainfo/" + kAppId + ".metainfo.xml",
        share + "icons/hicolor/scalable/apps/" + kAppId + ".svg",
        share + "doc/zyfo/copyright",
        share + "doc/zyfo/changelog.gz",
    };
    for (const int size : kIconSizes) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        files.insert(share + "icons/hicolor/" + folder + "/apps/" + kAppId + ".png");
    }
    for (const std::string &program : kPrograms) {
        files.insert(base + "bin/" + program);
        files.insert(share + "man/man1/" + program + ".1.gz");
    }
    return files;
}

// The first group of the first match of `pattern` in `text`, or an empty text.
std::string firstMatch(const std::string &text, const std::string &pattern)
{
    std::smatch match;
    return std::regex_search(text, match, std::regex(pattern)) ? match[1].str() : std::string();
}

// The options a usage or manual page text names at the start of its option lines: a line
// indented by `indent` spaces that goes on with "--".
std::set<std::string> optionsAt(const std::string &text, std::size_t indent)
{
    const std::regex option("(^|\n) {" + std::to_string(indent) + "}(--[a-z][a-z-]*)");
    std::set<std::string> options;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), option);
         it != std::sregex_iterator(); ++it)
        options.insert((*it)[2].str());
    return options;
}

// Why a test that needs `program` is skipped.
std::string notInstalled(const std::string &program)
{
    return program + " is not installed (scripts/setup installs it)";
}

class InstallTree : public ::testing::Test
{
protected:
    // One install with prefix /usr, as the package has it, shared by the tests.
    static void SetUpTestSuite()
    {
        s_destdir = std::make_unique<TemporaryFolder>("zyfo-install");
        s_install = installInto(s_destdir->path(), "/usr");
    }
    static void TearDownTestSuite() { s_destdir.reset(); }

    void SetUp() override { ASSERT_EQ(s_install.exitCode, 0) << s_install.out << s_install.err; }

    static fs::path usr() { return s_destdir->path() / "usr"; }
    static fs::path desktopEntry() { return usr() / "share/applications" / (kAppId + ".desktop"); }
    static fs::path mimePackage() { return usr() / "share/mime/packages" / (kAppId + ".xml"); }
    static fs::path metainfo() { return usr() / "share/metainfo" / (kAppId + ".metainfo.xml"); }

    static std::unique_ptr<TemporaryFolder> s_destdir;
    static ToolOutput s_install;
};

std::unique_ptr<TemporaryFolder> InstallTree::s_destdir;
ToolOutput InstallTree::s_install;

} // namespace

TEST_F(InstallTree, HoldsExactlyTheProgramsAndTheirDesktopFiles)
{
    EXPECT_EQ(filesBelow(s_destdir->path()), expectedFiles("/usr"));
    for (const std::string &program : kPrograms)
        EXPECT_EQ(::access((usr() / "bin" / program).c_str(), X_OK), 0) << program;
}

// Any other prefix than the package's: a path written into the install rules would show.
TEST(InstallPrefix, PutsEveryFileBelowThePrefix)
{
    const TemporaryFolder destdir("zyfo-install-prefix");
    const ToolOutput install = installInto(destdir.path(), "/opt/zyfo");
    ASSERT_EQ(install.exitCode, 0) << install.out << install.err;
    EXPECT_EQ(filesBelow(destdir.path()), expectedFiles("/opt/zyfo"));
}

TEST_F(InstallTree, RendersEachIconAtItsFolderSize)
{
    for (const int size : kIconSizes) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        const fs::path icon = usr() / "share/icons/hicolor" / folder / "apps" / (kAppId + ".png");
        // A PNG's header chunk holds its width and height, big-endian.
        const std::string png = readFile(icon);
        const std::string side{'\0', '\0', static_cast<char>(size >> 8), static_cast<char>(size)};
        EXPECT_EQ(png.substr(1, 3), "PNG") << icon;
        EXPECT_EQ(png.substr(12, 12), "IHDR" + side + side) << icon;
    }
    // The scalable icon is the window icon's drawing itself.
    const std::string svg =
        readFile(usr() / "share/icons/hicolor/scalable/apps" / (kAppId + ".svg"));
    EXPECT_EQ(svg, readFile(fs::path(ZYFO_SOURCE_DIR) / "src/resources/art/icon.svg"));
}

// The desktop entry, the file type and the AppStream entry name each other: a file manager offers
// Zyfo for a .zyd file only when the entry's MimeType is the declared type, and a software centre
// finds the program only through the entry's file name.
TEST_F(InstallTree, DesktopEntryFileTypeAndAppStreamEntryAgree)
{
    const std::string entry = readFile(desktopEntry());
    EXPECT_EQ(firstMatch(entry, "\nName=(.*)"), "Zyfo");
    EXPECT_EQ(firstMatch(entry, "\nExec=(.*)"), "zyfo %f");
    EXPECT_EQ(firstMatch(entry, "\nIcon=(.*)"), kAppId);
    EXPECT_EQ(firstMatch(entry, "\nMimeType=(.*)"), kMimeType + ";");
    EXPECT_FALSE(firstMatch(entry, "\nGenericName\\[pl\\]=(.*)").empty());
    EXPECT_FALSE(firstMatch(entry, "\nComment\\[pl\\]=(.*)").empty());

    const std::string mime = readFile(mimePackage());
    EXPECT_EQ(firstMatch(mime, "<mime-type type=\"([^\"]+)\""), kMimeType);
    EXPECT_EQ(firstMatch(mime, "<glob pattern=\"([^\"]+)\""), "*.zyd");
    EXPECT_FALSE(firstMatch(mime, "<comment xml:lang=\"pl\">([^<]+)<").empty());
    EXPECT_FALSE(firstMatch(mime, "<comment>([^<]+)<").empty());

    const std::string appstream = readFile(metainfo());
    EXPECT_EQ(firstMatch(appstream, "<id>([^<]+)</id>"), kAppId);
    EXPECT_EQ(firstMatch(appstream, "<launchable type=\"desktop-id\">([^<]+)<"),
              kAppId + ".desktop");
    EXPECT_EQ(firstMatch(appstream, "<mediatype>([^<]+)<"), kMimeType);
    EXPECT_FALSE(firstMatch(appstream, "<p xml:lang=\"pl\">\\s*([^<]+)<").empty());
}

TEST_F(InstallTree, DesktopEntryPassesDesktopFileValidate)
{
    const fs::path validator = findProgram("desktop-file-validate");
    if (validator.empty())
        GTEST_SKIP() << notInstalled("desktop-file-validate");
    const ToolOutput result = runTool(validator.string(), {desktopEntry().string()});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out + result.err, "");
}

TEST_F(InstallTree, AppStreamEntryPassesAppstreamcliWithoutWarnings)
{
    const fs::path validator = findProgram("appstreamcli");
    if (validator.empty())
        GTEST_SKIP() << notInstalled("appstreamcli");
    const ToolOutput result =
        runTool(validator.string(), {"validate", "--no-net", metainfo().string()});
    EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
    EXPECT_FALSE(std::regex_search(result.out, std::regex("(^|\\n)[EW]: "))) << result.out;
}

TEST_F(InstallTree, FileTypePackageIsWellFormedXml)
{
    const fs::path xmllint = findProgram("xmllint");
    if (xmllint.empty())
        GTEST_SKIP() << notInstalled("xmllint");
    const ToolOutput result = runTool(xmllint.string(), {"--noout", mimePackage().string()});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
}

// update-mime-database builds a MIME database of the package alone, as the system's is built
// once it is installed: its glob list must send *.zyd to the type.
TEST_F(InstallTree, MimeDatabaseNamesTheTypeForZydFiles)
{
    const fs::path updater = findProgram("update-mime-database");
    if (updater.empty())
        GTEST_SKIP() << notInstalled("update-mime-database");
    const TemporaryFolder database("zyfo-mime");
    fs::create_directories(database.path() / "packages");
    fs::copy_file(mimePackage(), database.path() / "packages" / mimePackage().filename());
    const ToolOutput result = runTool(updater.string(), {database.path().string()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string globs = readFile(database.path() / "globs2");
    EXPECT_NE(globs.find(":" + kMimeType + ":*.zyd\n"), std::string::npos) << globs;
}

// Each manual page shows without warnings, and the options it describes are those of the
// program's --help: none missing, none that the program does not have.
TEST_F(InstallTree, ManPagesShowWithoutWarningsAndDescribeTheOptionsOfHelp)
{
    const fs::path man = findProgram("man");
    if (man.empty())
        GTEST_SKIP() << notInstalled("man");
    ScopedEnvironment environment;
    environment.set("MANWIDTH", "80");
    for (const std::string &program : kPrograms) {
        SCOPED_TRACE(program);
        const ToolOutput page =
            runTool(man.string(), {"--warnings", "-l",
                                   (usr() / "share/man/man1" / (program + ".1.gz")).string()});
        EXPECT_EQ(page.exitCode, 0);
        EXPECT_EQ(page.err, "");
        // The NAME line as whatis shows it (groff may widen the spaces of a justified line).
        EXPECT_TRUE(std::regex_search(page.out, std::regex("\nNAME\n +" + program + " +- ")))
            << page.out;
        if (program == "zyfo")
            continue; // the viewer takes a file, no options
        const ToolOutput help = runTool((usr() / "bin" / program).string(), {"--help"});
        ASSERT_EQ(help.exitCode, 0) << help.err;
        // The usage texts list their options two columns in.
        const std::set<std::string> helpOptions = optionsAt(help.out, 2);
        ASSERT_GE(helpOptions.size(), 5u) << help.out;
        // Option tags stand at the page's first indent (7 columns) under OPTIONS, up to the next
        // heading; their texts further in.
        const std::string options = firstMatch(page.out, "\nOPTIONS\n([\\s\\S]*?)(?=\n\\S|$)");
        EXPECT_EQ(optionsAt(options, 7), helpOptions) << page.out;
    }
}
