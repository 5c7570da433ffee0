#include "HarnessFacts.h"

#include <windows.h>

#include "UniqueHandle.h"

namespace {

constexpr DWORD READ_CHUNK_BYTES = 4096;

std::wstring Widened(const std::string& text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

}  // namespace

std::wstring ExtendedLengthPath(const std::string& path)
{
    // The prefix turns off the system's clean-up of "." and "..", which the
    // full-path step does instead.
    const std::wstring wide = Widened(path);
    const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    full.resize(GetFullPathNameW(wide.c_str(), size, &full[0], nullptr));
    return L"\\\\?\\" + full;
}

std::string ThisExecutable()
{
    // Paths below the long test folders stay under MAX_PATH, but the bin
    // folder of a deep checkout may not: ask with room for the longest path.
    std::string path(UNICODE_STRING_MAX_CHARS, '\0');
    const DWORD length = GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
    path.resize(length);
    return path;
}

std::string ExecutableFolder()
{
    const std::string path = ThisExecutable();
    return path.substr(0, path.find_last_of('\\'));
}

std::string BesideThisExecutable(const std::string& fileName)
{
    return ExecutableFolder() + "\\" + fileName;
}

std::string DeliverablePath(const std::string& deliverableName)
{
    return BesideThisExecutable(deliverableName + ".exe");
}

std::string ReadWholeFile(const std::string& path)
{
    const UniqueHandle file(CreateFileW(ExtendedLengthPath(path).c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string bytes;
    if (!file.Valid()) {
        return bytes;
    }
    char chunk[READ_CHUNK_BYTES];
    DWORD read = 0;
    while (ReadFile(file.Get(), chunk, sizeof chunk, &read, nullptr) && read != 0) {
        bytes.append(chunk, read);
    }
    return bytes;
}
