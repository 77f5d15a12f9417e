// The per-user registry file: keys and typed values in a text file that a person can read,
// replaced atomically on every change.
#include "RegistryStore.h"

#include "ConfigFolder.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/file.h>
#include <unistd.h>

namespace zyfo {

namespace {

constexpr const char *header = "; Zyfo settings: registry keys of the current user";
constexpr const char *rootPrefix = "HKEY_CURRENT_USER\\";
constexpr std::size_t dwordSize = 4;

char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Holds the store's lock file locked for as long as it lives.
class StoreLock
{
public:
    explicit StoreLock(const std::filesystem::path &file)
    {
        std::error_code ignored;
        std::filesystem::create_directories(file.parent_path(), ignored);
        std::string path = file.string() + ".lock";
        m_fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (m_fd < 0)
            return;
        while (::flock(m_fd, LOCK_EX) != 0)
            if (errno != EINTR) {
                ::close(m_fd);
                m_fd = -1;
                return;
            }
    }
    ~StoreLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    StoreLock(const StoreLock &) = delete;
    StoreLock &operator=(const StoreLock &) = delete;

    bool held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

std::string quoted(const std::string &text)
{
    std::string result = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            result += '\\';
        result += c;
    }
    return result + '"';
}

// Reads a quoted string at `pos`; advances past it. False when it is not well formed.
bool unquote(const std::string &line, std::size_t &pos, std::string &text)
{
    if (pos >= line.size() || line[pos] != '"')
        return false;
    text.clear();
    for (++pos; pos < line.size(); ++pos) {
        char c = line[pos];
        if (c == '"') {
            ++pos;
            return true;
        }
        if (c == '\\' && ++pos >= line.size())
            return false;
        text += line[pos];
    }
    return false;
}

bool printableText(const std::vector<std::uint8_t> &data)
{
    if (data.empty() || data.back() != 0)
        return false;
    return std::all_of(data.begin(), data.end() - 1,
                       [](std::uint8_t byte) { return byte >= 0x20 && byte != 0x7F; });
}

std::string formatValue(const RegistryValue &value)
{
    if (value.type == REG_DWORD && value.data.size() == dwordSize) {
        std::uint32_t number = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) |
                               (static_cast<std::uint32_t>(value.data[3]) << 24);
        char digits[16];
        std::snprintf(digits, sizeof digits, "dword:%08x", number);
        return digits;
    }
    if (value.type == REG_SZ && printableText(value.data))
        return quoted(std::string(value.data.begin(), value.data.end() - 1));
    std::ostringstream out;
    out << "hex(" << std::hex << value.type << "):";
    char byte[4];
    for (std::size_t i = 0; i < value.data.size(); ++i) {
        std::snprintf(byte, sizeof byte, "%02x", value.data[i]);
        out << (i == 0 ? "" : ",") << byte;
    }
    return out.str();
}

bool parseHexNumber(const std::string &text, unsigned long long limit, unsigned long long &number)
{
    if (text.empty() || text.size() > 8 ||
        text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        return false;
    number = std::strtoull(text.c_str(), nullptr, 16);
    return number <= limit;
}

bool parseValue(const std::string &text, RegistryValue &value)
{
    unsigned long long number = 0;
    if (text.rfind("dword:", 0) == 0) {
        if (!parseHexNumber(text.substr(6), 0xFFFFFFFFull, number))
            return false;
        value.type = REG_DWORD;
        value.data.clear();
        for (int shift = 0; shift < 32; shift += 8)
            value.data.push_back(static_cast<std::uint8_t>(number >> shift));
        return true;
    }
    if (!text.empty() && text[0] == '"') {
        std::size_t pos = 0;
        std::string string;
        if (!unquote(text, pos, string) || pos != text.size())
            return false;
        value.type = REG_SZ;
        value.data.assign(string.begin(), string.end());
        value.data.push_back(0);
        return true;
    }
    std::size_t close = text.find("):");
    if (text.rfind("hex(", 0) != 0 || close == std::string::npos ||
        !parseHexNumber(text.substr(4, close - 4), 0xFFFFFFFFull, number))
        return false;
    value.type = static_cast<DWORD>(number);
    value.data.clear();
    std::istringstream bytes(text.substr(close + 2));
    std::string byte;
    while (std::getline(bytes, byte, ',')) {
        if (byte.size() != 2 || !parseHexNumber(byte, 0xFF, number))
            return false;
        value.data.push_back(static_cast<std::uint8_t>(number));
    }
    return true;
}

} // namespace

bool RegistryStore::NameLess::operator()(const std::string &a, const std::string &b) const
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return lower(x) < lower(y); });
}

RegistryStore::RegistryStore(std::filesystem::path file)
    : m_file(std::move(file))
{}

RegistryStore RegistryStore::forCurrentUser()
{
    return RegistryStore(ventroConfigFolder() / "registry.reg");
}

std::string RegistryStore::canonical(const std::string &key)
{
    // Empty parts (doubled or outer backslashes) do not count, as in registry paths.
    std::string result;
    std::istringstream parts(key);
    std::string part;
    while (std::getline(parts, part, '\\'))
        if (!part.empty())
            result += (result.empty() ? "" : "\\") + part;
    return result;
}

void RegistryStore::parseLine(const std::string &line, Keys &keys, Key *&current)
{
    if (line.empty() || line[0] == ';')
        return;
    if (line[0] == '[') {
        current = nullptr;
        if (line.back() != ']' || line.rfind(rootPrefix, 1) != 1)
            return;
        std::string name = canonical(line.substr(1 + std::string(rootPrefix).size(),
                                                 line.size() - 2 - std::string(rootPrefix).size()));
        if (!name.empty())
            current = &keys.try_emplace(name, Key{name, {}}).first->second;
        return;
    }
    std::size_t pos = 0;
    std::string name;
    RegistryValue value;
    if (current == nullptr || !unquote(line, pos, name) || pos >= line.size() || line[pos] != '=' ||
        !parseValue(line.substr(pos + 1), value))
        return;
    current->values[name] = {name, std::move(value)};
}

RegistryStore::Keys RegistryStore::load() const
{
    Keys keys;
    std::ifstream in(m_file);
    std::string line;
    Key *current = nullptr;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        parseLine(line, keys, current);
    }
    return keys;
}

std::string RegistryStore::format(const Keys &keys)
{
    std::string text = std::string(header) + "\n";
    for (const auto &[ignored, key] : keys) {
        text += "\n[" + std::string(rootPrefix) + key.name + "]\n";
        for (const auto &[unused, named] : key.values)
            text += quoted(named.first) + "=" + formatValue(named.second) + "\n";
    }
    return text;
}

bool RegistryStore::save(const Keys &keys) const
{
    std::string text = format(keys);
    std::filesystem::path temporary = m_file;
    temporary += ".tmp-" + std::to_string(::getpid());
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    std::size_t written = 0;
    while (written < text.size()) {
        ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        written += static_cast<std::size_t>(n);
    }
    bool complete = written == text.size() && ::fsync(fd) == 0;
    complete = ::close(fd) == 0 && complete;
    if (!complete || ::rename(temporary.c_str(), m_file.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    // The rename itself lasts once the folder is on disk.
    int folder = ::open(m_file.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

DWORD RegistryStore::openKey(const std::string &key) const
{
    std::string name = canonical(key);
    return !name.empty() && load().count(name) != 0 ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

DWORD RegistryStore::createKey(const std::string &key) const
{
    std::string name = canonical(key);
    if (name.empty())
        return ERROR_FILE_NOT_FOUND;
    StoreLock lock(m_file);
    if (!lock.held())
        return ERROR_ACCESS_DENIED;
    Keys keys = load();
    bool added = false;
    for (std::size_t end = name.find('\\');; end = name.find('\\', end + 1)) {
        std::string path = name.substr(0, end);
        added = keys.try_emplace(path, Key{path, {}}).second || added;
        if (end == std::string::npos)
            break;
    }
    if (added && !save(keys))
        return ERROR_ACCESS_DENIED;
    return ERROR_SUCCESS;
}

DWORD RegistryStore::queryValue(const std::string &key, const std::string &name,
                                RegistryValue &value) const
{
    Keys keys = load();
    auto found = keys.find(canonical(key));
    if (found == keys.end())
        return ERROR_KEY_DELETED;
    auto named = found->second.values.find(name);
    if (named == found->second.values.end())
        return ERROR_FILE_NOT_FOUND;
    value = named->second.second;
    return ERROR_SUCCESS;
}

DWORD RegistryStore::setValue(const std::string &key, const std::string &name,
                              const RegistryValue &value) const
{
    StoreLock lock(m_file);
    if (!lock.held())
        return ERROR_ACCESS_DENIED;
    Keys keys = load();
    auto found = keys.find(canonical(key));
    if (found == keys.end())
        return ERROR_KEY_DELETED;
    auto &values = found->second.values;
    auto named = values.find(name);
    // A value keeps the spelling of its name from when it was made.
    std::string spelling = named != values.end() ? named->second.first : name;
    values[name] = {spelling, value};
    return save(keys) ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

} // namespace zyfo
