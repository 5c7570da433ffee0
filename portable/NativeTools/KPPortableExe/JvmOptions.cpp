#include "JvmOptions.h"

namespace {

constexpr char END_MARKER[] = "/**";
constexpr std::size_t END_MARKER_LENGTH = sizeof END_MARKER - 1;

// White space as the classic C locale classifies it.
bool IsWhiteSpace(int byte)
{
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

bool IsTokenByte(int byte)
{
    return byte != END_OF_TEXT && byte != '\0' && !IsWhiteSpace(byte);
}

// Where the collection stands: the text read so far and the byte after it.
struct Collection {
    ReadByteFunction readByte;
    void* source;
    int nextByte;
    char* options;
    std::size_t capacity;
    std::size_t length;
};

void Advance(Collection& collection)
{
    collection.nextByte = collection.readByte(collection.source);
}

bool AppendByte(Collection& collection, char byte)
{
    if (collection.length + 1 >= collection.capacity) {
        return false;
    }
    collection.options[collection.length++] = byte;
    collection.options[collection.length] = '\0';
    return true;
}

enum class TokenKind { Option, EndMarker, TooLong };

// Takes one token into the options. A token too long to hold is still read
// to its end, since it may yet prove to be the end marker.
TokenKind TakeToken(Collection& collection)
{
    const std::size_t tokenStart = collection.length;
    std::size_t tokenLength = 0;
    bool matchesMarker = true;
    bool fits = true;
    while (IsTokenByte(collection.nextByte)) {
        const char byte = static_cast<char>(collection.nextByte);
        matchesMarker = matchesMarker && tokenLength < END_MARKER_LENGTH &&
                        byte == END_MARKER[tokenLength];
        fits = fits && AppendByte(collection, byte);
        ++tokenLength;
        Advance(collection);
    }
    if (matchesMarker && tokenLength == END_MARKER_LENGTH) {
        collection.length = tokenStart;
        collection.options[tokenStart] = '\0';
        return TokenKind::EndMarker;
    }
    return fits ? TokenKind::Option : TokenKind::TooLong;
}

}  // namespace

OptionsOutcome CollectJvmOptions(ReadByteFunction readByte, void* source, char* options,
                                 std::size_t capacity)
{
    Collection collection{readByte, source, END_OF_TEXT, options, capacity, 0};
    options[0] = '\0';
    Advance(collection);
    for (;;) {
        while (IsWhiteSpace(collection.nextByte)) {
            Advance(collection);
        }
        if (collection.nextByte == '\0') {
            return OptionsOutcome::Complete;
        }
        switch (TakeToken(collection)) {
        case TokenKind::EndMarker:
            return OptionsOutcome::Complete;
        case TokenKind::TooLong:
            return OptionsOutcome::TooLong;
        case TokenKind::Option:
            break;
        }
        if (!AppendByte(collection, ' ')) {
            return OptionsOutcome::TooLong;
        }
        if (collection.nextByte == END_OF_TEXT) {
            return OptionsOutcome::Complete;
        }
    }
}
