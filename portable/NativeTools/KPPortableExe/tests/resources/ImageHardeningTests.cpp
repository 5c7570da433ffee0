// Reads the built launchers' PE headers: what the loader sees about the
// image's kind, its protections and the DLLs it needs.
#include "BuiltLaunchers.h"
#include "RowName.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// The launchers are copied by hand into the portable folder: they must run
// with what every Windows has, nothing from the compiler's runtime. No more
// than KERNEL32 either: each further DLL costs start-up time (msvcrt.dll
// comes back with a call into the C library, ADVAPI32 with the toolchain's
// own stack guard seeding). USER32 is never imported: it is loaded by name
// only when a box is shown.
const std::vector<std::string> IMPORTED_DLLS = {"KERNEL32.DLL"};

constexpr size_t MAX_EXECUTABLE_BYTES = 44 * 1024;

// Sections the C runtime's start-up code would run or need: initializer
// tables (.CRT), constructor and destructor lists, thread-local data with its
// callbacks, unwind tables. The launchers start at their own entry point,
// which runs none of them, so none may be left in the image.
const char* const START_UP_SECTIONS[] = {".CRT", ".ctors", ".dtors", ".tls", ".init",
                                         ".fini", ".eh_fram", ".eh_frame", ".pdata", ".xdata"};

// The linker's lists of constructors and destructors, which it writes into
// .text, each between -1 and 0: both empty.
const std::string EMPTY_CONSTRUCTOR_LISTS("\xFF\xFF\xFF\xFF\0\0\0\0\xFF\xFF\xFF\xFF\0\0\0\0", 16);

// The message the stack protector's check routine prints: present only when
// the check routine, and so protected code calling it, was linked in.
constexpr const char* STACK_GUARD_MESSAGE = "stack smashing detected";

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string Upper(std::string text)
{
    for (char& letter : text) {
        letter = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    }
    return text;
}

// A 32-bit PE file, read from disk exactly as built.
class PeFile {
public:
    explicit PeFile(const std::string& path) : bytes_(ReadFileBytes(path)) {}

    bool Valid() const
    {
        if (bytes_.size() < sizeof(IMAGE_DOS_HEADER)) {
            return false;
        }
        const size_t offset = static_cast<size_t>(Dos().e_lfanew);
        return Dos().e_magic == IMAGE_DOS_SIGNATURE &&
               offset + sizeof(IMAGE_NT_HEADERS32) <= bytes_.size() &&
               Nt().Signature == IMAGE_NT_SIGNATURE &&
               Nt().OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR32_MAGIC;
    }

    const std::string& Bytes() const { return bytes_; }
    const IMAGE_NT_HEADERS32& Nt() const
    {
        return *reinterpret_cast<const IMAGE_NT_HEADERS32*>(bytes_.data() + Dos().e_lfanew);
    }
    const IMAGE_DATA_DIRECTORY& Directory(int index) const
    {
        return Nt().OptionalHeader.DataDirectory[index];
    }

    // The names of the DLLs in the import directory, in upper case.
    std::vector<std::string> ImportedDlls() const
    {
        std::vector<std::string> names;
        size_t offset = FileOffset(Directory(IMAGE_DIRECTORY_ENTRY_IMPORT).VirtualAddress);
        for (; offset + sizeof(IMAGE_IMPORT_DESCRIPTOR) <= bytes_.size();
             offset += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
            const auto* import = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(bytes_.data() + offset);
            if (import->Name == 0) {
                break;
            }
            names.push_back(Upper(bytes_.c_str() + FileOffset(import->Name)));
        }
        return names;
    }

    // The section names, as written in the section table (at most 8 chars).
    std::vector<std::string> SectionNames() const
    {
        std::vector<std::string> names;
        for (const IMAGE_SECTION_HEADER& section : Sections()) {
            const char* const name = reinterpret_cast<const char*>(section.Name);
            names.emplace_back(name, strnlen(name, IMAGE_SIZEOF_SHORT_NAME));
        }
        return names;
    }

    // The bytes of the named section as stored in the file.
    std::string SectionBytes(const char* name) const
    {
        for (const IMAGE_SECTION_HEADER& section : Sections()) {
            if (std::strncmp(reinterpret_cast<const char*>(section.Name), name,
                             IMAGE_SIZEOF_SHORT_NAME) == 0) {
                return bytes_.substr(section.PointerToRawData, section.SizeOfRawData);
            }
        }
        return std::string();
    }

private:
    std::vector<IMAGE_SECTION_HEADER> Sections() const
    {
        const IMAGE_SECTION_HEADER* first = IMAGE_FIRST_SECTION(&Nt());
        return std::vector<IMAGE_SECTION_HEADER>(first, first + Nt().FileHeader.NumberOfSections);
    }

    const IMAGE_DOS_HEADER& Dos() const
    {
        return *reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes_.data());
    }

    // The file offset of a relative virtual address, through the section
    // that holds it; past the end of the file when none does.
    size_t FileOffset(DWORD rva) const
    {
        for (const IMAGE_SECTION_HEADER& section : Sections()) {
            if (rva >= section.VirtualAddress &&
                rva < section.VirtualAddress + section.Misc.VirtualSize) {
                return rva - section.VirtualAddress + section.PointerToRawData;
            }
        }
        return bytes_.size();
    }

    std::string bytes_;
};

class ImageHardening : public ::testing::TestWithParam<Deliverable> {
protected:
    ImageHardening() : file_(PathOf(GetParam())) {}
    void SetUp() override { ASSERT_TRUE(file_.Valid()) << PathOf(GetParam()); }

    PeFile file_;
};

TEST_P(ImageHardening, IsA32BitGuiProgramOfAtMost44Kilobytes)
{
    EXPECT_EQ(file_.Nt().FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
    EXPECT_EQ(file_.Nt().OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
    EXPECT_FALSE(file_.Nt().FileHeader.Characteristics & IMAGE_FILE_DLL);
    EXPECT_LE(file_.Bytes().size(), MAX_EXECUTABLE_BYTES);
}

TEST_P(ImageHardening, IsMarkedForRandomisedBaseAndNoExecuteData)
{
    const WORD flags = file_.Nt().OptionalHeader.DllCharacteristics;
    EXPECT_TRUE(flags & IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE);
    EXPECT_TRUE(flags & IMAGE_DLLCHARACTERISTICS_NX_COMPAT);
    // Without relocations the loader cannot move the image after all.
    EXPECT_FALSE(file_.Nt().FileHeader.Characteristics & IMAGE_FILE_RELOCS_STRIPPED);
    EXPECT_GT(file_.Directory(IMAGE_DIRECTORY_ENTRY_BASERELOC).Size, 0u);
}

TEST_P(ImageHardening, CarriesNoTimeStampOrDebugRecord)
{
    EXPECT_EQ(file_.Nt().FileHeader.TimeDateStamp, 0u);
    EXPECT_EQ(file_.Directory(IMAGE_DIRECTORY_ENTRY_DEBUG).Size, 0u);
}

TEST_P(ImageHardening, ImportsKernel32Only)
{
    EXPECT_EQ(file_.ImportedDlls(), IMPORTED_DLLS);
}

TEST_P(ImageHardening, LeavesNoStartUpCodeSectionThatNobodyRuns)
{
    for (const std::string& name : file_.SectionNames()) {
        EXPECT_EQ(std::find(std::begin(START_UP_SECTIONS), std::end(START_UP_SECTIONS), name),
                  std::end(START_UP_SECTIONS))
            << name;
    }
    EXPECT_EQ(file_.Directory(IMAGE_DIRECTORY_ENTRY_TLS).Size, 0u);
    EXPECT_NE(file_.SectionBytes(".text").find(EMPTY_CONSTRUCTOR_LISTS), std::string::npos)
        << "a static object's constructor or destructor is listed, and nothing would run it";
}

TEST_P(ImageHardening, LinksTheStackProtectorsCheck)
{
    EXPECT_NE(file_.Bytes().find(STACK_GUARD_MESSAGE), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Launchers, ImageHardening, ::testing::ValuesIn(DELIVERABLES), RowName());

}  // namespace
