// The text-mode step of the start-properties reader: the file's raw bytes,
// taken chunk by chunk, yielded as a C runtime's text-mode read yields them.
// CR LF reads as LF, any other CR stays a CR, and a Ctrl-Z byte ends the text.
#pragma once

#include <cstddef>

// Fills chunk with up to capacity raw bytes of the file, in file order, and
// returns how many; 0 at the end of the file or after a read error, which
// thus ends the text as the end of the file does.
using RefillFunction = std::size_t (*)(void* file, unsigned char* chunk, std::size_t capacity);

// Bytes read from the file at a time.
constexpr std::size_t TEXT_MODE_CHUNK_SIZE = 4096;

// A read in progress. The chunk is part of the record, so that a reader on
// the stack needs no allocation.
struct TextModeReader {
    RefillFunction refill;
    void* file;
    std::size_t length;    // bytes the last refill put into the chunk
    std::size_t position;  // the next of them to yield
    bool ended;            // no byte is taken from the file any more
    unsigned char chunk[TEXT_MODE_CHUNK_SIZE];
};

// Prepares reader for a file that nothing has been read from yet.
void StartTextModeReader(TextModeReader& reader, RefillFunction refill, void* file);

// The next byte of the text (0 to 255), or END_OF_TEXT from the end of the
// file or the first Ctrl-Z on. A ReadByteFunction over a TextModeReader.
int ReadTextModeByte(void* reader);
