#include "HarnessFacts.h"

#include <windows.h>

#include "UniqueHandle.h"

namespace {

constexpr DWORD READ_CHUNK_BYTES = 4096;

}  // namespace

std::string ExecutableFolder()
{
    // Paths below the long test folders stay under MAX_PATH, but the bin
    // folder of a deep checkout may not: ask with room for the longest path.
    std::string path(UNICODE_STRING_MAX_CHARS, '\0');
    const DWORD length = GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
    path.resize(length);
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
    const UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ,
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
