// Reads the built launchers' resources back through the Windows resource,
// icon and version functions, the readers the shell and the loader use, and
// compares them with the values the file properties must show.
#include "BuiltLaunchers.h"
#include "RowName.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct IconImage {
    WORD id;
    int size;
    DWORD bytes;
};

// In the order the icon group lists them.
const IconImage ICON_IMAGES[] = {
    {1, 64, 16936},
    {2, 48, 9640},
    {3, 32, 4264},
    {4, 16, 1128},
};

struct VersionString {
    const char* key;
    const char* value;  // null: the deliverable's own OriginalFilename
};

// In the order the string table holds them.
const VersionString VERSION_STRINGS[] = {
    {"CompanyName", "Brennavalle"},
    {"FileDescription", "Kestrelpoint Portable"},
    {"FileVersion", "1, 0, 0, 1"},
    {"InternalName", "Kestrelpoint Portable"},
    {"LegalCopyright", "Copyright (C) Brennavalle. All rights reserved."},
    {"OriginalFilename", nullptr},
    {"ProductName", "Kestrelpoint Portable"},
    {"ProductVersion", "1, 0, 0, 1"},
};

constexpr WORD GERMAN_GERMANY = 0x0407;
constexpr WORD ENGLISH_US = 0x0409;
constexpr WORD UTF16_CODE_PAGE = 1200;
constexpr const char* STRING_TABLE = "\\StringFileInfo\\040704b0\\";
constexpr const char* ICON_GROUP_NAME = "ID_KPPORTABLE";
constexpr DWORD VERSION_1_0 = 0x00010000;
constexpr DWORD VERSION_0_1 = 0x00000001;
constexpr DWORD FILE_FLAGS_MASK = 0x17;
constexpr BYTE OPAQUE_ALPHA = 255;
// The icon format every Windows since 3.0 reads.
constexpr DWORD ICON_FORMAT_VERSION = 0x00030000;
const char MANIFEST[] =
    "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">\r\n"
    "</assembly>";
constexpr size_t MANIFEST_BYTES = 86;

// Icon group layout: a 6-byte header (reserved, type, count), then one
// 14-byte entry per image: width, height, colour count, reserved (bytes),
// planes, bit count (words), size in bytes (dword), resource id (word).
constexpr size_t GROUP_HEADER_BYTES = 6;
constexpr size_t GROUP_ENTRY_BYTES = 14;
constexpr WORD ICON_RESOURCE_TYPE = 1;

std::string NameText(LPCSTR name)
{
    if (IS_INTRESOURCE(name)) {
        return "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name));
    }
    return name;
}

BOOL CALLBACK CollectType(HMODULE, LPSTR type, LONG_PTR names)
{
    reinterpret_cast<std::vector<std::string>*>(names)->push_back(NameText(type));
    return TRUE;
}

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names)
{
    reinterpret_cast<std::vector<std::string>*>(names)->push_back(NameText(name));
    return TRUE;
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR languages)
{
    reinterpret_cast<std::vector<WORD>*>(languages)->push_back(language);
    return TRUE;
}

WORD ReadWord(const std::string& bytes, size_t offset)
{
    return static_cast<WORD>(static_cast<BYTE>(bytes[offset]) |
                             static_cast<BYTE>(bytes[offset + 1]) << 8);
}

DWORD ReadDword(const std::string& bytes, size_t offset)
{
    return ReadWord(bytes, offset) | static_cast<DWORD>(ReadWord(bytes, offset + 2)) << 16;
}

// One launcher mapped as a data file, as the shell maps it to read its icon.
class LoadedExecutable {
public:
    explicit LoadedExecutable(const std::string& path)
        : module_(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE))
    {
    }
    ~LoadedExecutable() { FreeLibrary(module_); }
    LoadedExecutable(const LoadedExecutable&) = delete;
    LoadedExecutable& operator=(const LoadedExecutable&) = delete;

    bool Loaded() const { return module_ != nullptr; }

    std::vector<std::string> Types() const
    {
        std::vector<std::string> types;
        EnumResourceTypesA(module_, CollectType, reinterpret_cast<LONG_PTR>(&types));
        return types;
    }

    std::vector<std::string> Names(LPCSTR type) const
    {
        std::vector<std::string> names;
        EnumResourceNamesA(module_, type, CollectName, reinterpret_cast<LONG_PTR>(&names));
        return names;
    }

    std::vector<WORD> Languages(LPCSTR type, LPCSTR name) const
    {
        std::vector<WORD> languages;
        EnumResourceLanguagesA(module_, type, name, CollectLanguage,
                               reinterpret_cast<LONG_PTR>(&languages));
        return languages;
    }

    // The resource's bytes, or the empty text when it does not exist.
    std::string Bytes(LPCSTR type, LPCSTR name, WORD language) const
    {
        HRSRC found = FindResourceExA(module_, type, name, language);
        if (found == nullptr) {
            return {};
        }
        HGLOBAL loaded = LoadResource(module_, found);
        const char* data = static_cast<const char*>(LockResource(loaded));
        return std::string(data, SizeofResource(module_, found));
    }

private:
    HMODULE module_;
};

// A node of the version block: its key path below the root and its value.
struct VersionNode {
    std::string path;
    WORD type;
    std::string value;
};

size_t AlignToDword(size_t offset)
{
    return (offset + 3) & ~static_cast<size_t>(3);
}

// Walks the version block's tree of nodes (length, value length, type, key
// in UTF-16, value, children, each part aligned to 4 bytes) in file order.
void FlattenVersionNode(const std::string& block, size_t start, const std::string& parent,
                        std::vector<VersionNode>* nodes)
{
    const size_t end = start + ReadWord(block, start);
    const WORD valueLength = ReadWord(block, start + 2);
    const WORD type = ReadWord(block, start + 4);
    std::string key;
    size_t offset = start + 6;
    for (; ReadWord(block, offset) != 0; offset += 2) {
        key += static_cast<char>(ReadWord(block, offset));
    }
    offset = AlignToDword(offset + 2);
    // Text values count UTF-16 units, binary values bytes.
    const size_t valueBytes = type == 1 ? 2u * valueLength : valueLength;
    const std::string path = parent.empty() ? key : parent + "\\" + key;
    nodes->push_back({path, type, block.substr(offset, valueBytes)});
    for (offset = AlignToDword(offset + valueBytes); offset < end;) {
        FlattenVersionNode(block, offset, path, nodes);
        offset = AlignToDword(offset + ReadWord(block, offset));
    }
}

std::vector<VersionNode> FlattenVersionBlock(const std::string& block)
{
    std::vector<VersionNode> nodes;
    FlattenVersionNode(block, 0, "", &nodes);
    return nodes;
}

std::string ReadVersionInfo(const std::string& path)
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    std::string info(size, '\0');
    if (size == 0 || !GetFileVersionInfoA(path.c_str(), 0, size, &info[0])) {
        return {};
    }
    return info;
}

std::string QueryVersionString(std::string& info, const std::string& key)
{
    char* text = nullptr;
    UINT length = 0;
    const std::string query = STRING_TABLE + key;
    if (!VerQueryValueA(&info[0], query.c_str(), reinterpret_cast<void**>(&text), &length)) {
        return "<missing>";
    }
    return std::string(text, length > 0 ? length - 1 : 0);
}

class ResourceReadback : public ::testing::TestWithParam<Deliverable> {
protected:
    ResourceReadback() : executable_(PathOf(GetParam())) {}
    void SetUp() override { ASSERT_TRUE(executable_.Loaded()) << PathOf(GetParam()); }

    LoadedExecutable executable_;
};

TEST_P(ResourceReadback, CarriesIconsVersionAndManifestOnly)
{
    const std::vector<std::string> expected = {"#3", "#14", "#16", "#24"};
    EXPECT_EQ(executable_.Types(), expected);
}

TEST_P(ResourceReadback, IconImagesHaveTheirSizeFormatAndLanguage)
{
    EXPECT_EQ(executable_.Names(RT_ICON),
              (std::vector<std::string>{"#1", "#2", "#3", "#4"}));
    for (const IconImage& image : ICON_IMAGES) {
        SCOPED_TRACE(image.size);
        LPCSTR name = MAKEINTRESOURCEA(image.id);
        EXPECT_EQ(executable_.Languages(RT_ICON, name), std::vector<WORD>{GERMAN_GERMANY});
        std::string bytes = executable_.Bytes(RT_ICON, name, GERMAN_GERMANY);
        ASSERT_EQ(bytes.size(), image.bytes);

        BITMAPINFOHEADER header;
        std::memcpy(&header, bytes.data(), sizeof header);
        EXPECT_EQ(header.biSize, sizeof header);
        EXPECT_EQ(header.biWidth, image.size);
        EXPECT_EQ(header.biHeight, 2 * image.size) << "colour image and mask";
        EXPECT_EQ(header.biPlanes, 1);
        EXPECT_EQ(header.biBitCount, 32);
        EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));

        HICON icon = CreateIconFromResourceEx(reinterpret_cast<BYTE*>(&bytes[0]), image.bytes,
                                              TRUE, ICON_FORMAT_VERSION, image.size, image.size,
                                              LR_DEFAULTCOLOR);
        EXPECT_NE(icon, nullptr) << "the system's icon reader rejects the image";
        DestroyIcon(icon);
    }
}

// The mask must clear exactly the fully transparent pixels, or shells that
// ignore alpha draw a black frame; the alpha must really be used.
TEST_P(ResourceReadback, IconMasksMatchTheirAlpha)
{
    for (const IconImage& image : ICON_IMAGES) {
        SCOPED_TRACE(image.size);
        const std::string bytes =
            executable_.Bytes(RT_ICON, MAKEINTRESOURCEA(image.id), GERMAN_GERMANY);
        ASSERT_EQ(bytes.size(), image.bytes);
        const size_t pixelCount = static_cast<size_t>(image.size) * image.size;
        const size_t colourStart = sizeof(BITMAPINFOHEADER);
        const size_t maskStart = colourStart + 4 * pixelCount;
        const size_t maskRowBytes = (static_cast<size_t>(image.size) + 31) / 32 * 4;
        int transparent = 0;
        int translucent = 0;
        int mismatches = 0;
        for (size_t pixel = 0; pixel < pixelCount; ++pixel) {
            const BYTE alpha = static_cast<BYTE>(bytes[colourStart + 4 * pixel + 3]);
            const size_t row = pixel / image.size;
            const size_t column = pixel % image.size;
            const BYTE maskByte = static_cast<BYTE>(bytes[maskStart + row * maskRowBytes + column / 8]);
            const bool masked = (maskByte & (0x80 >> (column % 8))) != 0;
            transparent += alpha == 0;
            translucent += alpha != 0 && alpha != OPAQUE_ALPHA;
            mismatches += masked != (alpha == 0);
        }
        EXPECT_GT(transparent, 0);
        EXPECT_GT(translucent, 0) << "edges are not smoothed through alpha";
        EXPECT_EQ(mismatches, 0);
    }
}

TEST_P(ResourceReadback, IconGroupIsNamedAndListsTheImagesLargestFirst)
{
    EXPECT_EQ(executable_.Names(RT_GROUP_ICON), std::vector<std::string>{ICON_GROUP_NAME});
    EXPECT_EQ(executable_.Languages(RT_GROUP_ICON, ICON_GROUP_NAME),
              std::vector<WORD>{GERMAN_GERMANY});
    std::string group = executable_.Bytes(RT_GROUP_ICON, ICON_GROUP_NAME, GERMAN_GERMANY);
    const size_t imageCount = std::size(ICON_IMAGES);
    ASSERT_EQ(group.size(), GROUP_HEADER_BYTES + imageCount * GROUP_ENTRY_BYTES);
    EXPECT_EQ(ReadWord(group, 0), 0);
    EXPECT_EQ(ReadWord(group, 2), ICON_RESOURCE_TYPE);
    EXPECT_EQ(ReadWord(group, 4), imageCount);
    for (size_t index = 0; index < imageCount; ++index) {
        const IconImage& image = ICON_IMAGES[index];
        SCOPED_TRACE(image.size);
        const size_t entry = GROUP_HEADER_BYTES + index * GROUP_ENTRY_BYTES;
        EXPECT_EQ(static_cast<BYTE>(group[entry]), image.size);
        EXPECT_EQ(static_cast<BYTE>(group[entry + 1]), image.size);
        EXPECT_EQ(group[entry + 2], 0) << "colour count";
        EXPECT_EQ(ReadWord(group, entry + 4), 1) << "planes";
        EXPECT_EQ(ReadWord(group, entry + 6), 32) << "bits per pixel";
        EXPECT_EQ(ReadDword(group, entry + 8), image.bytes);
        EXPECT_EQ(ReadWord(group, entry + 12), image.id);

        // The system picks the image of each size from the group.
        EXPECT_EQ(LookupIconIdFromDirectoryEx(reinterpret_cast<BYTE*>(&group[0]), TRUE,
                                              image.size, image.size, LR_DEFAULTCOLOR),
                  image.id);
    }
}

TEST_P(ResourceReadback, VersionFixedPartDescribesRelease1001)
{
    EXPECT_EQ(executable_.Names(RT_VERSION), std::vector<std::string>{"#1"});
    EXPECT_EQ(executable_.Languages(RT_VERSION, MAKEINTRESOURCEA(1)),
              std::vector<WORD>{GERMAN_GERMANY});
    std::string info = ReadVersionInfo(PathOf(GetParam()));
    ASSERT_FALSE(info.empty());
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(&info[0], "\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_EQ(length, sizeof *fixed);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, VERSION_1_0);
    EXPECT_EQ(fixed->dwFileVersionLS, VERSION_0_1);
    EXPECT_EQ(fixed->dwProductVersionMS, VERSION_1_0);
    EXPECT_EQ(fixed->dwProductVersionLS, VERSION_0_1);
    EXPECT_EQ(fixed->dwFileFlagsMask, FILE_FLAGS_MASK);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileSubtype, 0u);
    EXPECT_EQ(fixed->dwFileDateMS, 0u);
    EXPECT_EQ(fixed->dwFileDateLS, 0u);
}

TEST_P(ResourceReadback, VersionStringsAndTranslation)
{
    std::string info = ReadVersionInfo(PathOf(GetParam()));
    ASSERT_FALSE(info.empty());
    for (const VersionString& row : VERSION_STRINGS) {
        const char* expected = row.value != nullptr ? row.value : GetParam().name;
        EXPECT_EQ(QueryVersionString(info, row.key), expected) << row.key;
    }

    WORD* translation = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(&info[0], "\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 2 * sizeof(WORD)) << "one language and code page";
    EXPECT_EQ(translation[0], GERMAN_GERMANY);
    EXPECT_EQ(translation[1], UTF16_CODE_PAGE);
}

TEST_P(ResourceReadback, StringTableIsTheOnlyOneAndKeepsTheKeyOrder)
{
    const std::vector<VersionNode> nodes = FlattenVersionBlock(
        executable_.Bytes(RT_VERSION, MAKEINTRESOURCEA(1), GERMAN_GERMANY));
    std::vector<std::string> tables;
    std::vector<std::string> keys;
    const std::string tablePrefix = "VS_VERSION_INFO\\StringFileInfo\\";
    for (const VersionNode& node : nodes) {
        if (node.path.compare(0, tablePrefix.size(), tablePrefix) != 0) {
            continue;
        }
        const std::string rest = node.path.substr(tablePrefix.size());
        const size_t separator = rest.find('\\');
        if (separator == std::string::npos) {
            tables.push_back(rest);
        } else {
            keys.push_back(rest.substr(separator + 1));
        }
    }
    std::vector<std::string> expectedKeys;
    for (const VersionString& row : VERSION_STRINGS) {
        expectedKeys.push_back(row.key);
    }
    EXPECT_EQ(tables, std::vector<std::string>{"040704b0"});
    EXPECT_EQ(keys, expectedKeys);
}

TEST_P(ResourceReadback, ManifestIsTheEmptyAssemblyInEnglish)
{
    static_assert(sizeof MANIFEST - 1 == MANIFEST_BYTES, "manifest text");
    EXPECT_EQ(executable_.Names(RT_MANIFEST), std::vector<std::string>{"#1"});
    EXPECT_EQ(executable_.Languages(RT_MANIFEST, MAKEINTRESOURCEA(1)),
              std::vector<WORD>{ENGLISH_US});
    EXPECT_EQ(executable_.Bytes(RT_MANIFEST, MAKEINTRESOURCEA(1), ENGLISH_US),
              std::string(MANIFEST, MANIFEST_BYTES));
}

INSTANTIATE_TEST_SUITE_P(Launchers, ResourceReadback, ::testing::ValuesIn(DELIVERABLES),
                         RowName());

// Every resource of a launcher, in enumeration order, with the version block
// taken apart into its nodes.
struct ResourceEntry {
    std::string where;
    std::string bytes;
};

std::vector<ResourceEntry> ResourceInventory(const LoadedExecutable& executable)
{
    std::vector<ResourceEntry> entries;
    for (const std::string& type : executable.Types()) {
        const LPCSTR typeId = MAKEINTRESOURCEA(std::stoi(type.substr(1)));
        for (const std::string& name : executable.Names(typeId)) {
            const LPCSTR nameId =
                name[0] == '#' ? MAKEINTRESOURCEA(std::stoi(name.substr(1))) : name.c_str();
            for (WORD language : executable.Languages(typeId, nameId)) {
                const std::string where =
                    type + "/" + name + "/" + std::to_string(language);
                const std::string bytes = executable.Bytes(typeId, nameId, language);
                if (typeId != RT_VERSION) {
                    entries.push_back({where, bytes});
                    continue;
                }
                for (const VersionNode& node : FlattenVersionBlock(bytes)) {
                    entries.push_back({where + "/" + node.path + "/" + std::to_string(node.type),
                                       node.value});
                }
            }
        }
    }
    return entries;
}

TEST(ResourceComparison, LaunchersDifferInOriginalFilenameOnly)
{
    const std::string originalFilename = "\\OriginalFilename/";
    LoadedExecutable reference(PathOf(DELIVERABLES[0]));
    ASSERT_TRUE(reference.Loaded());
    const std::vector<ResourceEntry> expected = ResourceInventory(reference);
    // Each of the others against the first; the first against itself proves nothing.
    for (const Deliverable& other : std::vector<Deliverable>(std::begin(DELIVERABLES) + 1,
                                                             std::end(DELIVERABLES))) {
        SCOPED_TRACE(other.name);
        LoadedExecutable executable(PathOf(other));
        ASSERT_TRUE(executable.Loaded());
        const std::vector<ResourceEntry> actual = ResourceInventory(executable);
        ASSERT_EQ(actual.size(), expected.size());
        for (size_t index = 0; index < actual.size(); ++index) {
            EXPECT_EQ(actual[index].where, expected[index].where);
            // Compared as a truth value: the bytes of an icon are no reading.
            if (actual[index].where.find(originalFilename) == std::string::npos) {
                EXPECT_TRUE(actual[index].bytes == expected[index].bytes)
                    << actual[index].where << ": " << actual[index].bytes.size() << " bytes, not "
                    << expected[index].bytes.size() << " bytes as in " << DELIVERABLES[0].name;
            }
        }
    }
}

}  // namespace
