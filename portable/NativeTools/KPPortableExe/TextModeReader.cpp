#include "TextModeReader.h"

#include "JvmOptions.h"

namespace {

constexpr int CARRIAGE_RETURN = '\r';
constexpr int LINE_FEED = '\n';
constexpr int CTRL_Z = 0x1A;

// The next raw byte without taking it, refilling the chunk when it is used
// up; END_OF_TEXT once the text has ended. A CR at the end of a chunk is thus
// decided by the first byte of the next.
int PeekRawByte(TextModeReader& reader)
{
    if (reader.position == reader.length && !reader.ended) {
        reader.length = reader.refill(reader.file, reader.chunk, sizeof reader.chunk);
        reader.position = 0;
        reader.ended = reader.length == 0;
    }
    return reader.ended ? END_OF_TEXT : reader.chunk[reader.position];
}

int TakeRawByte(TextModeReader& reader)
{
    const int byte = PeekRawByte(reader);
    if (byte != END_OF_TEXT) {
        ++reader.position;
    }
    return byte;
}

}  // namespace

void StartTextModeReader(TextModeReader& reader, RefillFunction refill, void* file)
{
    reader.refill = refill;
    reader.file = file;
    reader.length = 0;
    reader.position = 0;
    reader.ended = false;
}

int ReadTextModeByte(void* source)
{
    TextModeReader& reader = *static_cast<TextModeReader*>(source);
    const int byte = TakeRawByte(reader);
    if (byte == CTRL_Z) {
        // Nothing after it is text, so the file is not read any further.
        reader.ended = true;
        return END_OF_TEXT;
    }
    if (byte == CARRIAGE_RETURN && PeekRawByte(reader) == LINE_FEED) {
        return TakeRawByte(reader);
    }
    return byte;
}
