// Fuzzes the composition of the Java command line. Input layout: a selector
// byte (which executable, which property file, which buffer), a byte for the
// size of a small buffer, then the start directory and the JVM options, each
// ended by a NUL or the end of the input. The line must come out whole and
// equal to the plain concatenation of its pieces, or empty when it does not
// fit, and never longer than its buffer.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "FuzzSupport.h"
#include "JavaCommand.h"
#include "VariantProfile.h"

namespace {

constexpr std::uint8_t CONSOLE_RUNTIME_BIT = 0x01;
constexpr std::uint8_t DEMO_PROPERTIES_BIT = 0x02;
constexpr std::uint8_t SMALL_BUFFER_BIT = 0x04;
constexpr std::size_t HEADER_SIZE = 2;

// Only the fields the composition reads are set; the rest stay empty or zero.
VariantProfile MakeProfile(std::uint8_t selector)
{
    VariantProfile profile{};
    profile.javaExecutable = (selector & CONSOLE_RUNTIME_BIT) != 0 ? "java\\bin\\java.exe"
                                                                   : "java\\bin\\javaw.exe";
    profile.defaultPropertyFile = (selector & DEMO_PROPERTIES_BIT) != 0
                                      ? "current\\config\\start_DemoMode.properties"
                                      : "current\\config\\start.properties";
    return profile;
}

// Takes the text up to the next NUL or the end of the input.
std::string TakeText(const std::uint8_t*& data, const std::uint8_t* end)
{
    const std::uint8_t* const start = data;
    while (data != end && *data != '\0') {
        ++data;
    }
    std::string text(reinterpret_cast<const char*>(start), static_cast<std::size_t>(data - start));
    if (data != end) {
        ++data;
    }
    return text;
}

bool HasBlankOrTab(const std::string& text)
{
    return text.find_first_of(" \t") != std::string::npos;
}

std::string ExpectedCommand(const VariantProfile& profile, const std::string& startDirectory,
                            const std::string& jvmOptions)
{
    const std::string executable = startDirectory + "\\" + profile.javaExecutable;
    const std::string quote = HasBlankOrTab(executable) ? "\"" : "";
    return quote + executable + quote + " " + jvmOptions + " -propertyfile " +
           profile.defaultPropertyFile;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < HEADER_SIZE) {
        return 0;
    }
    const std::uint8_t selector = data[0];
    const std::size_t capacity =
        (selector & SMALL_BUFFER_BIT) != 0 ? 1 + std::size_t{data[1]} : COMMAND_BUFFER_SIZE;
    const std::uint8_t* position = data + HEADER_SIZE;
    const std::uint8_t* const end = data + size;
    const std::string startDirectory = TakeText(position, end);
    const std::string jvmOptions = TakeText(position, end);
    const VariantProfile profile = MakeProfile(selector);

    // Exactly the given size, so that a write past the end is caught.
    const std::unique_ptr<char[]> command(new char[capacity]);
    std::memset(command.get(), '#', capacity);
    const bool composed = ComposeJavaCommand(command.get(), capacity, profile,
                                             startDirectory.c_str(), jvmOptions.c_str());
    const std::size_t length = strnlen(command.get(), capacity);
    Require(length < capacity, "the line is terminated inside the buffer");
    const std::string expected = ExpectedCommand(profile, startDirectory, jvmOptions);
    Require(composed == (expected.size() < capacity), "the line is refused exactly when too long");
    if (composed) {
        Require(expected == command.get(), "the line is its pieces joined");
    } else {
        Require(length == 0, "a refused line is the empty text");
    }
    return 0;
}
