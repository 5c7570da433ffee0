#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "JvmOptions.h"
#include "RowName.h"
#include "TextModeReader.h"

namespace {

constexpr std::size_t NO_FAILURE = std::string::npos;

// A file that hands out at most chunkLimit bytes a read, as ReadFile may,
// and fails once when the read would start at failAt.
struct FakeFile {
    std::string bytes;
    std::size_t chunkLimit;
    std::size_t failAt;
    std::size_t position;
    int reads;
};

std::size_t RefillFromFake(void* source, unsigned char* chunk, std::size_t capacity)
{
    auto* file = static_cast<FakeFile*>(source);
    ++file->reads;
    if (file->position == file->failAt) {
        file->failAt = NO_FAILURE;
        return 0;
    }
    const std::size_t count =
        std::min({capacity, file->chunkLimit, file->bytes.size() - file->position});
    file->bytes.copy(reinterpret_cast<char*>(chunk), count, file->position);
    file->position += count;
    return count;
}

// Everything the reader yields up to END_OF_TEXT. Reads on twice after it:
// the end stays the end, and the file is not read again.
std::string ReadText(FakeFile& file)
{
    TextModeReader reader;
    StartTextModeReader(reader, RefillFromFake, &file);
    std::string text;
    for (int byte = ReadTextModeByte(&reader); byte != END_OF_TEXT;
         byte = ReadTextModeByte(&reader)) {
        text += static_cast<char>(byte);
    }
    const int readsAtTheEnd = file.reads;
    EXPECT_EQ(ReadTextModeByte(&reader), END_OF_TEXT);
    EXPECT_EQ(ReadTextModeByte(&reader), END_OF_TEXT);
    EXPECT_EQ(file.reads, readsAtTheEnd);
    return text;
}

struct TextModeCase {
    const char* name;
    std::string fileBytes;
    std::size_t chunkLimit;
    std::string text;
};

class TextModeReaderTest : public testing::TestWithParam<TextModeCase> {};

TEST_P(TextModeReaderTest, YieldsWhatATextModeReadYields)
{
    const TextModeCase& row = GetParam();
    FakeFile file{row.fileBytes, row.chunkLimit, NO_FAILURE, 0, 0};
    EXPECT_EQ(ReadText(file), row.text);
}

// A CR that ends a full chunk, and the LF that is the next chunk's first byte.
const std::string CR_LF_ACROSS_FULL_CHUNKS =
    std::string(TEXT_MODE_CHUNK_SIZE - 1, 'x') + "\r\ny";

INSTANTIATE_TEST_SUITE_P(
    Rows, TextModeReaderTest,
    testing::Values(
        TextModeCase{"EmptyFile", "", TEXT_MODE_CHUNK_SIZE, ""},
        TextModeCase{"CrLfReadsAsLf", "-a\r\n-b\r\n", TEXT_MODE_CHUNK_SIZE, "-a\n-b\n"},
        TextModeCase{"LoneCrStays", "-a\r-b", TEXT_MODE_CHUNK_SIZE, "-a\r-b"},
        TextModeCase{"CrCrLfKeepsTheFirstCr", "-a\r\r\n-b", TEXT_MODE_CHUNK_SIZE, "-a\r\n-b"},
        TextModeCase{"LfCrStaysAsItIs", "-a\n\r-b", TEXT_MODE_CHUNK_SIZE, "-a\n\r-b"},
        TextModeCase{"CrAsLastByteStays", "-a\r", TEXT_MODE_CHUNK_SIZE, "-a\r"},
        TextModeCase{"CrLfAcrossChunks", "-a\r\n-b", 3, "-a\n-b"},
        TextModeCase{"CrAtChunkEndBeforeOtherByte", "-a\r-b", 3, "-a\r-b"},
        TextModeCase{"CrAtChunkEndAsLastByte", "-a\r", 3, "-a\r"},
        TextModeCase{"OneByteChunks", "a\r\n\r\r\nb\r", 1, "a\n\r\nb\r"},
        TextModeCase{"CrLfAcrossFullChunks", CR_LF_ACROSS_FULL_CHUNKS, TEXT_MODE_CHUNK_SIZE,
                     std::string(TEXT_MODE_CHUNK_SIZE - 1, 'x') + "\ny"},
        TextModeCase{"CtrlZEndsTheText", "-a \x1a -b\r\n", TEXT_MODE_CHUNK_SIZE, "-a "},
        TextModeCase{"CtrlZFirst", "\x1a-a", TEXT_MODE_CHUNK_SIZE, ""},
        TextModeCase{"CtrlZAfterCr", "-a\r\x1a\n", TEXT_MODE_CHUNK_SIZE, "-a\r"},
        TextModeCase{"CtrlZOpensTheNextChunkAfterCr", "-a\r\x1a\n", 3, "-a\r"},
        TextModeCase{"CtrlZInALaterChunk", "-a\x1a-b-c-d", 2, "-a"},
        TextModeCase{"NulBytesPassThrough", std::string("-a\0-b\r\n\0", 8), TEXT_MODE_CHUNK_SIZE,
                     std::string("-a\0-b\n\0", 7)},
        TextModeCase{"HighBytesAreNoEnd", "\xFF\xFE\x80\xA0", TEXT_MODE_CHUNK_SIZE,
                     "\xFF\xFE\x80\xA0"}),
    RowName());

// A read that fails ends the text as the end of the file does, also when it
// was to decide a CR; what the file would have given afterwards is not read.
TEST(TextModeReaderTest, ReadErrorEndsTheText)
{
    FakeFile file{"-a\r\n-b", 3, 3, 0, 0};
    EXPECT_EQ(ReadText(file), "-a\r");
    EXPECT_EQ(file.position, 3u);
}

}  // namespace
