#include "PortableFolder.h"

#include <windows.h>

#include <algorithm>
#include <atomic>

#include "LauncherHarness.h"

namespace {

constexpr char PADDING_CHAR = 'p';

std::string TempDirectory()
{
    char path[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, path);
    return path;
}

std::string UniqueSuffix()
{
    static std::atomic<unsigned> counter{0};
    return "-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
}

std::wstring Widened(const std::string& text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

std::string Narrowed(const std::wstring& text)
{
    const int length = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr,
                                           nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, &narrow[0], length, nullptr, nullptr);
    narrow.resize(static_cast<size_t>(length - 1));
    return narrow;
}

// The extended-length form of a path: tests lay out and inspect folders at
// and beyond the path limits they check, so their own set-up and checks must
// not be bound by those limits. The prefix turns off the system's clean-up of
// "." and "..", which the full-path step does instead.
std::wstring LongPath(const std::string& path)
{
    const std::wstring wide = Widened(path);
    const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    full.resize(GetFullPathNameW(wide.c_str(), size, &full[0], nullptr));
    return L"\\\\?\\" + full;
}

void MakeOneDirectory(const std::string& path)
{
    CreateDirectoryW(LongPath(path).c_str(), nullptr);
}

void MakeParents(const std::string& path)
{
    for (size_t separator = path.find('\\', 3); separator != std::string::npos;
         separator = path.find('\\', separator + 1)) {
        MakeOneDirectory(path.substr(0, separator));
    }
}

DWORD AttributesOf(const std::string& path)
{
    return GetFileAttributesW(LongPath(path).c_str());
}

// Removes a folder with everything in it; read-only entries left by a test
// must not keep it alive.
void RemoveTree(const std::wstring& path)
{
    WIN32_FIND_DATAW entry;
    const HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::wstring child = path + L"\\" + name;
            SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                DeleteFileW(child.c_str());
            }
        } while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(path.c_str());
}

void WriteBytes(HANDLE file, const std::string& bytes)
{
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

}  // namespace

PortableFolder::PortableFolder(const std::string& name) : PortableFolder(name, 0) {}

PortableFolder::PortableFolder(const std::string& name, std::size_t pathLength)
    : path_(TempDirectory() + name + UniqueSuffix())
{
    if (path_.size() < pathLength) {
        path_.append(pathLength - path_.size(), PADDING_CHAR);
    }
    MakeOneDirectory(path_);
}

PortableFolder::~PortableFolder()
{
    RemoveTree(LongPath(path_));
}

void PortableFolder::WriteFile(const std::string& relative, const std::string& bytes) const
{
    const std::string path = PathOf(relative);
    MakeParents(path);
    WriteBytes(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr),
               bytes);
}

void PortableFolder::WriteFileBeyondPathLimit(const std::string& relative,
                                              const std::string& bytes) const
{
    const std::string path = PathOf(relative);
    MakeParents(path);
    WriteBytes(CreateFileW(LongPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr),
               bytes);
}

std::string PortableFolder::ReadFile(const std::string& relative) const
{
    return ReadWholeFile(PathOf(relative));
}

bool PortableFolder::Exists(const std::string& relative) const
{
    return AttributesOf(PathOf(relative)) != INVALID_FILE_ATTRIBUTES;
}

bool PortableFolder::IsDirectory(const std::string& relative) const
{
    const DWORD attributes = AttributesOf(PathOf(relative));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> PortableFolder::EntriesOf(const std::string& relative,
                                                   const std::string& pattern) const
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW entry;
    const HANDLE search =
        FindFirstFileW(LongPath(PathOf(relative + "\\" + pattern)).c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        const std::string name = Narrowed(entry.cFileName);
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

void PortableFolder::MakeDirectory(const std::string& relative) const
{
    const std::string path = PathOf(relative);
    MakeParents(path);
    MakeOneDirectory(path);
}

bool PortableFolder::Remove(const std::string& relative) const
{
    return DeleteFileW(LongPath(PathOf(relative)).c_str()) != FALSE;
}

void PortableFolder::MakeDataFolder() const
{
    MakeDirectory("Kestrelpoint-Portable\\kestrelpoint");
}

void PortableFolder::InstallJava(const std::string& name) const
{
    InstallJavaAt("java\\bin\\" + name);
}

void PortableFolder::InstallJavaAt(const std::string& relative) const
{
    const std::string target = PathOf(relative);
    MakeParents(target);
    CopyFileW(LongPath(BuildOutputDirectory() + "\\standin-java.exe").c_str(),
              LongPath(target).c_str(), FALSE);
}

void PortableFolder::WriteStartProperties(const std::string& text,
                                          const std::string& relative) const
{
    WriteFile(relative, text);
}

std::string LogPathOf(const std::string& deliverableName)
{
    return "Kestrelpoint-Portable\\kestrelpoint\\" + deliverableName + ".log";
}

std::string JoinEntries(const std::vector<std::string>& entries)
{
    std::string joined;
    for (const std::string& entry : entries) {
        joined += entry + "\r\n";
    }
    return joined;
}

std::string WaitForJavaRecord(const PortableFolder& folder, const std::string& javaDirectory)
{
    constexpr DWORD TIME_LIMIT_MS = 10000;
    constexpr DWORD POLL_INTERVAL_MS = 20;
    const std::string recordPath = javaDirectory + "\\received.txt";
    for (DWORD waited = 0; waited < TIME_LIMIT_MS; waited += POLL_INTERVAL_MS) {
        const std::string record = folder.ReadFile(recordPath);
        if (record.find("finished=") != std::string::npos) {
            return record;
        }
        Sleep(POLL_INTERVAL_MS);
    }
    return "";
}

std::string RecordField(const std::string& record, const std::string& key)
{
    // Keys stand at the start of a line; a value may hold "key=" itself.
    const std::string lines = "\n" + record;
    const std::string label = "\n" + key + "=";
    const size_t start = lines.find(label);
    if (start == std::string::npos) {
        return "";
    }
    const size_t valueStart = start + label.size();
    return lines.substr(valueStart, lines.find("\r\n", valueStart) - valueStart);
}

std::string ReadWholeFile(const std::string& path)
{
    const HANDLE file = CreateFileW(LongPath(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return "";
    }
    std::string bytes;
    char chunk[4096];
    DWORD read = 0;
    while (::ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read != 0) {
        bytes.append(chunk, read);
    }
    CloseHandle(file);
    return bytes;
}
