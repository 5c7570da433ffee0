#include "PortableFolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>

#include "UniqueHandle.h"

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

std::string Narrowed(const std::wstring& text)
{
    const int length = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr,
                                           nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, &narrow[0], length, nullptr, nullptr);
    narrow.resize(static_cast<size_t>(length - 1));
    return narrow;
}

bool MakeOneDirectory(const std::string& path)
{
    return CreateDirectoryW(ExtendedLengthPath(path).c_str(), nullptr) != FALSE;
}

// Creates the missing folders of a path.
void MakeParents(const std::string& path)
{
    for (size_t separator = path.find('\\', 3); separator != std::string::npos;
         separator = path.find('\\', separator + 1)) {
        MakeOneDirectory(path.substr(0, separator));
    }
}

DWORD AttributesOf(const std::string& path)
{
    return GetFileAttributesW(ExtendedLengthPath(path).c_str());
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

void WriteBytes(HANDLE opened, const std::string& bytes)
{
    const UniqueHandle file(opened);
    DWORD written = 0;
    if (file.Valid()) {
        ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }
}

}  // namespace

PortableFolder::PortableFolder(const std::string& name) : PortableFolder(name, 0) {}

// A folder of the same name left by an earlier run (process ids are reused)
// is removed first, so that its contents cannot decide this test.
PortableFolder::PortableFolder(const std::string& name, std::size_t pathLength)
    : path_(TempDirectory() + name + UniqueSuffix())
{
    if (path_.size() < pathLength) {
        path_.append(pathLength - path_.size(), PADDING_CHAR);
    }
    RemoveTree(ExtendedLengthPath(path_));
    if (!MakeOneDirectory(path_)) {
        ADD_FAILURE() << "test folder not created: " << path_ << " (system error "
                      << GetLastError() << ")";
    }
}

PortableFolder::~PortableFolder()
{
    RemoveTree(ExtendedLengthPath(path_));
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
    WriteBytes(CreateFileW(ExtendedLengthPath(path).c_str(), GENERIC_WRITE, 0, nullptr,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr),
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
        FindFirstFileW(ExtendedLengthPath(PathOf(relative + "\\" + pattern)).c_str(), &entry);
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
    return DeleteFileW(ExtendedLengthPath(PathOf(relative)).c_str()) != FALSE;
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
    CopyFileW(ExtendedLengthPath(BesideThisExecutable(STANDIN_JAVA_FILE)).c_str(),
              ExtendedLengthPath(target).c_str(), FALSE);
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
    const std::string recordPath = javaDirectory + "\\" + JAVA_RECORD_FILE;
    for (DWORD waited = 0; waited < TIME_LIMIT_MS; waited += POLL_INTERVAL_MS) {
        const std::string record = folder.ReadFile(recordPath);
        if (JavaRecordFinished(record)) {
            return record;
        }
        Sleep(POLL_INTERVAL_MS);
    }
    return "";
}
