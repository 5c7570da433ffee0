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
#include "VariantProfile.h"

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

// The argument buffer is exactly as large as the launcher's, so a read or a
// write past it is caught.
void CheckScan(const char* tail, const char* argument, const CommandTailScan& scan)
{
    const std::size_t tailLength = std::strlen(tail);
    const std::size_t argumentLength = strnlen(argument, COMMAND_BUFFER_SIZE);
    Require(argumentLength < COMMAND_BUFFER_SIZE, "the argument is terminated inside its buffer");
    Require(scan.alternateFileOptions >= 0, "the -c options are counted from 0");
    Require(scan.alternateFileOptions == 0 || std::strstr(tail, "-c") != nullptr,
            "-c is found only where the tail holds it");
    Require(scan.argumentFound == (argumentLength > 0), "an argument is found exactly when it is not empty");
    if (!scan.argumentFound) {
        Require(!scan.argumentCut, "nothing found, nothing cut");
        return;
    }
    Require(argument[0] != ' ' && argument[0] != '-', "the argument begins after the options");
    const char* const rest = std::strstr(tail, argument);
    Require(rest != nullptr, "the argument is taken from the tail");
    if (!scan.argumentCut) {
        Require(argumentLength <= tailLength &&
                    std::memcmp(tail + tailLength - argumentLength, argument, argumentLength) == 0,
                "a whole argument is the unchanged rest of the tail");
    } else {
        Require(argumentLength == COMMAND_BUFFER_SIZE - 1 && std::strlen(rest) > argumentLength,
                "a cut argument fills its buffer and is the head of a longer rest");
    }
}

void SkipAndScan(const char* commandLine, std::size_t length, LeadByteTest isLeadByte)
{
    const char* const tail = SkipExecutableName(commandLine, isLeadByte);
    CheckTailPosition(commandLine, length, tail);
    const std::unique_ptr<char[]> argument(new char[COMMAND_BUFFER_SIZE]);
    const CommandTailScan scan = ScanCommandTailText(tail, argument.get(), COMMAND_BUFFER_SIZE);
    CheckScan(tail, argument.get(), scan);
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
