// What the shipped program carries besides code: the icon the window and
// Explorer show, and the version information Explorer shows under
// Properties, all in Bulgarian. check_program_image.cmake reads the
// manifest that keeps Windows from stretching the window.

#include "ribi_version.h"
#include "window/resource.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace ribi::testing {
namespace {

constexpr WORD kIconResource = RIBI_ICON_RESOURCE;

class ProgramResources : public ::testing::Test {
protected:
    // ribi.exe is built next to this test program.
    void SetUp() override
    {
        std::wstring path(MAX_PATH, L'\0');
        path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
        path = path.substr(0, path.find_last_of(L"\\/") + 1) + L"ribi.exe";
        program = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(program, nullptr) << "no ribi.exe beside the tests";
    }
    void TearDown() override
    {
        if (program) FreeLibrary(program);
    }
    std::string_view Resource(LPCWSTR type, WORD id) const
    {
        const HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(id), type);
        if (!found) return {};
        return {static_cast<const char*>(LockResource(LoadResource(program, found))), SizeofResource(program, found)};
    }
    HMODULE program = nullptr;
};

// Windows picks the image of the size it needs (title bar, taskbar, Start
// menu, Explorer's large icons) instead of scaling one up or down; the
// classic 32 by 32 image in 256 colours, with its transparency mask, is
// for displays and tools that take no more.
TEST_F(ProgramResources, IconHasAnImageForEverySizeWindowsShows)
{
    // The icon group: a 6-byte header, then 14 bytes per image; a width of
    // 0 means 256.
    const std::string_view group = Resource(RT_GROUP_ICON, kIconResource);
    ASSERT_GE(group.size(), 6u);
    const auto* bytes = reinterpret_cast<const BYTE*>(group.data());
    const std::size_t images = bytes[4] | (bytes[5] << 8);
    ASSERT_GE(group.size(), 6 + 14 * images);
    std::set<int> sizes;
    bool classic = false;
    for (std::size_t i = 0; i < images; ++i) {
        const BYTE* entry = bytes + 6 + 14 * i;
        EXPECT_EQ(entry[0], entry[1]) << "image " << i << " is not square";
        sizes.insert(entry[0] == 0 ? 256 : entry[0]);
        classic = classic || (entry[0] == 32 && (entry[6] | (entry[7] << 8)) == 8); // 8 bits per pixel
    }
    for (const int size : {16, 24, 32, 48, 256}) EXPECT_TRUE(sizes.contains(size)) << "no " << size << " px image";
    EXPECT_TRUE(classic) << "no 32x32 image with a 256-colour palette";
}

// Bulgarian text tagged as English would be listed under the wrong language
// by resource tools, and a Bulgarian-only lookup would miss it.
BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR list)
{
    reinterpret_cast<std::vector<WORD>*>(list)->push_back(language);
    return TRUE;
}

TEST_F(ProgramResources, EveryResourceIsTaggedBulgarian)
{
    for (const auto& [type, id] :
         {std::pair{RT_GROUP_ICON, kIconResource}, {RT_MANIFEST, WORD{1}}, {RT_VERSION, WORD{1}}}) {
        std::vector<WORD> found;
        EnumResourceLanguagesW(program, type, MAKEINTRESOURCEW(id), AddLanguage, reinterpret_cast<LONG_PTR>(&found));
        EXPECT_EQ(found, std::vector<WORD>{MAKELANGID(LANG_BULGARIAN, SUBLANG_DEFAULT)})
            << "resource type " << reinterpret_cast<UINT_PTR>(type);
    }
}

std::wstring VersionString(std::vector<BYTE>& info, const std::wstring& name)
{
    void* value = nullptr;
    UINT length = 0;
    const std::wstring key = L"\\StringFileInfo\\040204B0\\" + name;
    if (!VerQueryValueW(info.data(), key.c_str(), &value, &length) || length == 0) return L"(none)";
    return {static_cast<const wchar_t*>(value), length - 1}; // the length counts the terminating null
}

TEST_F(ProgramResources, VersionHasBulgarianStringsAndTheProjectVersion)
{
    // A copy, as GetFileVersionInfoW makes: VerQueryValueW may write to it.
    const std::string_view resource = Resource(RT_VERSION, 1);
    std::vector<BYTE> info(resource.begin(), resource.end());
    ASSERT_FALSE(info.empty()) << "ribi.exe has no version resource";

    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", &value, &length));
    ASSERT_EQ(length, 4u);
    const auto* translation = static_cast<const WORD*>(value);
    EXPECT_EQ(translation[0], 0x0402); // Bulgarian
    EXPECT_EQ(translation[1], 1200);   // UTF-16

    // Read back as UTF-16: Cyrillic read as another code page would differ here.
    EXPECT_EQ(VersionString(info, L"ProductName"), L"Пасажни и непасажни риби");
    for (const wchar_t* name : {L"FileDescription", L"CompanyName", L"LegalCopyright", L"OriginalFilename"})
        EXPECT_NE(VersionString(info, name), L"(none)") << name;
    const std::string text = RIBI_VERSION_TEXT;
    EXPECT_EQ(VersionString(info, L"ProductVersion"), std::wstring(text.begin(), text.end()));
    EXPECT_EQ(VersionString(info, L"FileVersion"), std::wstring(text.begin(), text.end()));

    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", &value, &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    const WORD numbers[] = {RIBI_VERSION_NUMBERS};
    EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(MAKELONG(numbers[1], numbers[0])));
    EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(MAKELONG(numbers[3], numbers[2])));
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

} // namespace
} // namespace ribi::testing
