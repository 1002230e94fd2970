// What the shipped program carries besides code: the icon the window and
// Explorer show, and the manifest that keeps Windows from stretching it.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <string_view>

namespace ribi::testing {
namespace {

constexpr WORD kIconResource = 1;

// ribi.exe is built next to this test program.
std::wstring ProgramPath()
{
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path.substr(0, path.find_last_of(L"\\/") + 1) + L"ribi.exe";
}

class ProgramResources : public ::testing::Test {
protected:
    void SetUp() override
    {
        program = LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
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
        const HGLOBAL loaded = LoadResource(program, found);
        return {static_cast<const char*>(LockResource(loaded)), SizeofResource(program, found)};
    }
    HMODULE program = nullptr;
};

TEST_F(ProgramResources, IconHasA32By32ImageIn256Colours)
{
    // The icon group: a 6-byte header, then 14 bytes per image.
    const std::string_view group = Resource(RT_GROUP_ICON, kIconResource);
    ASSERT_GE(group.size(), 6u + 14u);
    WORD images = 0;
    std::memcpy(&images, group.data() + 4, sizeof images);
    bool found = false;
    for (WORD i = 0; i < images && 6u + 14u * (i + 1u) <= group.size(); ++i) {
        const char* entry = group.data() + 6 + 14 * i;
        WORD bitsPerPixel = 0;
        std::memcpy(&bitsPerPixel, entry + 6, sizeof bitsPerPixel);
        if (static_cast<BYTE>(entry[0]) == 32 && static_cast<BYTE>(entry[1]) == 32 && bitsPerPixel == 8) found = true;
    }
    EXPECT_TRUE(found) << "no 32x32 image with a 256-colour palette";
}

TEST_F(ProgramResources, ManifestDeclaresPerMonitorDpiAwareness)
{
    const std::string_view manifest = Resource(RT_MANIFEST, 1); // CREATEPROCESS_MANIFEST_RESOURCE_ID
    ASSERT_FALSE(manifest.empty());
    EXPECT_NE(manifest.find("<dpiAwareness"), std::string_view::npos);
    EXPECT_NE(manifest.find("PerMonitorV2"), std::string_view::npos);
    EXPECT_NE(manifest.find("true/pm"), std::string_view::npos); // systems before Windows 10 1607
}

} // namespace
} // namespace ribi::testing
