// Fuzzes the command tail: the input, up to its first NUL, is a full command
// line. The executable's name is skipped once with single-byte characters
// only and once with the lead bytes of a double-byte code page, and each tail
// is scanned for its options.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "CommandTail.h"
#include "FuzzSupport.h"
#include "LauncherState.h"

namespace {

constexpr unsigned char LAST_SEPARATOR_CODE = ' ';

bool NoLeadBytes(unsigned char)
{
    return false;
}

// The lead-byte ranges of the Japanese code page: they take the byte after
// them, blanks and quotes included, into the executable's name.
bool JapaneseLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsSeparator(char c)
{
    const unsigned char code = static_cast<unsigned char>(c);
    return code != '\0' && code <= LAST_SEPARATOR_CODE;
}

void CheckTailPosition(const char* commandLine, std::size_t length, const char* tail)
{
    const char* const begin = commandLine;
    const char* const end = begin + length;
    Require(tail >= begin && tail <= end, "the tail lies inside the command line");
    Require(!IsSeparator(*tail), "the tail does not begin with a separator");
    Require(tail == begin || tail == end || IsSeparator(tail[-1]),
            "a tail after the name follows a separator");
}

void CheckScan(const char* tail)
{
    const std::size_t tailLength = std::strlen(tail);
    const char* const argument = launcherState.propertyArgument;
    const std::size_t argumentLength =
        strnlen(argument, sizeof launcherState.propertyArgument);
    Require(argumentLength < sizeof launcherState.propertyArgument,
            "the property argument is terminated inside its buffer");
    Require(launcherState.alternateFileRequested == 0 ||
                launcherState.alternateFileRequested == 1,
            "the -c flag is 0 or 1");
    Require((launcherState.alternateFileRequested == 1) == (logRecord.alternateFileEntries > 0),
            "the -c flag is set exactly when -c was logged");
    Require(logRecord.alternateFileEntries == 0 || std::strstr(tail, "-c") != nullptr,
            "-c is found only where the tail holds it");
    Require(logRecord.entryCount == logRecord.alternateFileEntries + logRecord.extractEntries +
                                        logRecord.argumentEntries,
            "the scan logs its findings and nothing else");
    if (argumentLength == 0) {
        Require(logRecord.extractEntries == 0 && logRecord.argumentEntries == 0,
                "nothing extracted, nothing logged");
        return;
    }
    Require(argument[0] != ' ' && argument[0] != '-', "the argument begins after the options");
    Require(logRecord.extractEntries == 1 && logRecord.argumentEntries == 1 &&
                logRecord.argumentFollowedExtract &&
                logRecord.lastEntry == argument,
            "the argument is logged once, right after its announcement");
    if (argumentLength < sizeof launcherState.propertyArgument - 1) {
        Require(argumentLength <= tailLength &&
                    std::memcmp(tail + tailLength - argumentLength, argument, argumentLength) == 0,
                "the argument is the unchanged rest of the tail");
    } else {
        // The rest filled the buffer: it may be whole or cut.
        Require(std::strstr(tail, argument) != nullptr,
                "an argument that fills its buffer is the head of the tail's rest");
    }
}

void SkipAndScan(const char* commandLine, std::size_t length, LeadByteTest isLeadByte)
{
    const char* const tail = SkipExecutableName(commandLine, isLeadByte);
    CheckTailPosition(commandLine, length, tail);
    launcherState = LauncherState{};
    ResetLogRecord();
    ScanCommandTail(tail);
    CheckScan(tail);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A command line ends at its first NUL. The copy is exactly as long as
    // the text and its terminator, so a read past the end is caught.
    const std::size_t length = strnlen(reinterpret_cast<const char*>(data), size);
    const std::unique_ptr<char[]> commandLine(new char[length + 1]);
    std::memcpy(commandLine.get(), data, length);
    commandLine[length] = '\0';
    SkipAndScan(commandLine.get(), length, NoLeadBytes);
    SkipAndScan(commandLine.get(), length, JapaneseLeadByte);
    return 0;
}
