// Fuzzes the start-properties reader's pure logic with raw file bytes. The
// launcher's text-mode step, fed the bytes in chunks of the launcher's size
// and in small ones, must yield what a model of a C runtime's text-mode read
// yields; the collected options are compared with a simple
// split-at-white-space model of the format, once with the launcher's buffer
// and once with a buffer small enough for the bound to matter.
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "FuzzSupport.h"
#include "JvmOptions.h"
#include "TextModeReader.h"
#include "VariantProfile.h"

namespace {

constexpr unsigned char CTRL_Z = 0x1A;
constexpr char END_MARKER[] = "/**";
// Small buffers run from 1 char (the terminator alone) to this many.
constexpr std::size_t SMALL_CAPACITY_SPAN = 64;
// Small chunks, as a read may return fewer bytes than asked for, run from 1
// byte to this many.
constexpr std::size_t SMALL_CHUNK_SPAN = 16;

// A text-mode read: CR LF reads as LF, a lone CR stays, Ctrl-Z ends the text.
std::string TranslateTextMode(const std::uint8_t* data, std::size_t size)
{
    std::string text;
    for (std::size_t index = 0; index < size && data[index] != CTRL_Z; ++index) {
        const bool crBeforeLf = data[index] == '\r' && index + 1 < size && data[index + 1] == '\n';
        if (!crBeforeLf) {
            text += static_cast<char>(data[index]);
        }
    }
    return text;
}

// The raw bytes as a file that hands out at most chunkLimit bytes a read.
struct ChunkedFile {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t chunkLimit;
    std::size_t position;
    bool ended;
    bool readAfterEnd;
};

std::size_t RefillFromData(void* source, unsigned char* chunk, std::size_t capacity)
{
    auto* file = static_cast<ChunkedFile*>(source);
    file->readAfterEnd = file->readAfterEnd || file->ended;
    const std::size_t count =
        std::min({capacity, file->chunkLimit, file->size - file->position});
    std::memcpy(chunk, file->data + file->position, count);
    file->position += count;
    file->ended = count == 0;
    return count;
}

// The launcher's text-mode step over the raw bytes agrees with the model.
void CheckTextModeStep(const std::uint8_t* data, std::size_t size, const std::string& text,
                       std::size_t chunkLimit)
{
    ChunkedFile file{data, size, chunkLimit, 0, false, false};
    TextModeReader reader;
    StartTextModeReader(reader, RefillFromData, &file);
    std::string yielded;
    for (int byte = ReadTextModeByte(&reader); byte != END_OF_TEXT;
         byte = ReadTextModeByte(&reader)) {
        Require(byte >= 0 && byte <= UINT8_MAX, "the text-mode step yields bytes");
        yielded += static_cast<char>(byte);
    }
    Require(ReadTextModeByte(&reader) == END_OF_TEXT, "the end of the text stays its end");
    Require(!file.readAfterEnd, "the file is not read again after its end");
    Require(yielded == text, "the text-mode step yields what a text-mode read yields");
}

struct TextReader {
    const std::string* text;
    std::size_t position;
    bool deliveredNul;
    bool readPastNul;
};

int ReadTextByte(void* source)
{
    auto* reader = static_cast<TextReader*>(source);
    reader->readPastNul = reader->readPastNul || reader->deliveredNul;
    if (reader->position == reader->text->size()) {
        return END_OF_TEXT;
    }
    const unsigned char byte = static_cast<unsigned char>((*reader->text)[reader->position++]);
    reader->deliveredNul = byte == '\0';
    return byte;
}

bool IsClassicSpace(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// The format told plainly: the tokens before a NUL, each with one blank,
// up to the first "/**"; when the text simply runs out after white space (or
// is empty), the extraction that finds nothing still adds its blank.
std::string ExpectedOptions(const std::string& text)
{
    const std::size_t nul = text.find('\0');
    const std::string head = text.substr(0, nul);
    std::string options;
    std::size_t position = 0;
    for (;;) {
        while (position < head.size() && IsClassicSpace(head[position])) {
            ++position;
        }
        if (position == head.size()) {
            return nul == std::string::npos ? options + ' ' : options;
        }
        const std::size_t tokenStart = position;
        while (position < head.size() && !IsClassicSpace(head[position])) {
            ++position;
        }
        const std::string token = head.substr(tokenStart, position - tokenStart);
        if (token == END_MARKER) {
            return options;
        }
        options += token + ' ';
        if (position == head.size()) {
            return options;
        }
    }
}

void CheckCollection(const std::string& text, const std::string& expected, std::size_t capacity)
{
    // Exactly the given size and filled with a non-NUL byte, so that a write
    // past the end or a missing terminator is caught.
    const std::unique_ptr<char[]> options(new char[capacity]);
    std::memset(options.get(), '#', capacity);
    TextReader reader{&text, 0, false, false};
    const OptionsOutcome outcome = CollectJvmOptions(ReadTextByte, &reader, options.get(), capacity);
    const std::size_t length = strnlen(options.get(), capacity);
    Require(length < capacity, "the options are terminated inside the buffer");
    Require(!reader.readPastNul, "nothing is read past a NUL byte");
    const bool fits = expected.size() < capacity;
    Require((outcome == OptionsOutcome::Complete) == fits,
            "the options are reported too long exactly when they do not fit");
    if (fits) {
        Require(expected == options.get(), "the options are the tokens before the end marker");
    } else {
        Require(expected.compare(0, length, options.get()) == 0,
                "options too long keep only what was read before");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text = TranslateTextMode(data, size);
    CheckTextModeStep(data, size, text, TEXT_MODE_CHUNK_SIZE);
    CheckTextModeStep(data, size, text, 1 + size % SMALL_CHUNK_SPAN);
    const std::string expected = ExpectedOptions(text);
    CheckCollection(text, expected, COMMAND_BUFFER_SIZE);
    CheckCollection(text, expected, 1 + size % SMALL_CAPACITY_SPAN);
    return 0;
}
