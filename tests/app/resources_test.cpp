// The resources built into nobo.exe, read back the way Windows reads them.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "resource.h"
#include "support/process.h"

namespace {

class NoboResources : public testing::Test {
protected:
    void SetUp() override
    {
        exe_ = BesideTest("nobo.exe");
        module_ = LoadLibraryExA(exe_.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(nullptr, module_);
    }
    void TearDown() override
    {
        if (module_) FreeLibrary(module_);
    }
    std::string exe_;
    HMODULE module_ = nullptr;
};

TEST_F(NoboResources, VersionBlockIsJapaneseUnicodeWithNameAndVersion)
{
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(exe_.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::string block(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(exe_.c_str(), 0, size, &block[0]));
    DWORD* translation = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_GE(length, 4u);
    EXPECT_EQ(0x04B00411u, translation[0]);  // language 0x0411 low, code page 1200 high
    const struct {
        const char* name;
        const char* value;
    } strings[] = {{"ProductName", "nobo"},
                   {"FileDescription", "nobo"},
                   {"ProductVersion", "0.01"},
                   {"FileVersion", "0.01"}};
    for (const auto& s : strings) {
        char* value = nullptr;
        const std::string query = std::string("\\StringFileInfo\\041104b0\\") + s.name;
        ASSERT_TRUE(
            VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length))
            << s.name;
        EXPECT_STREQ(s.value, value) << s.name;
    }
}

// Icon 121: a black arrow on a transparent background, at 32 and 16 pixels.
TEST_F(NoboResources, IconHasBothSizesWithTransparentCorners)
{
    for (int size : {32, 16}) {
        HICON icon = static_cast<HICON>(
            LoadImageA(module_, MAKEINTRESOURCEA(IDI_NOBO), IMAGE_ICON, size, size, 0));
        ASSERT_NE(nullptr, icon) << size;
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP mask = {};
        GetObjectA(info.hbmMask, sizeof mask, &mask);
        EXPECT_EQ(size, mask.bmWidth);
        // Read the AND mask: corners transparent (1), the centre opaque (0).
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, info.hbmMask);
        EXPECT_NE(0u, GetPixel(dc, 0, 0) & 0xFFFFFF);
        EXPECT_NE(0u, GetPixel(dc, size - 1, size - 1) & 0xFFFFFF);
        EXPECT_EQ(0u, GetPixel(dc, size / 2, size / 2) & 0xFFFFFF);
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(info.hbmMask);
        DeleteObject(info.hbmColor);
        DestroyIcon(icon);
    }
}

TEST_F(NoboResources, ManifestAsksForNoElevationAndNothingElse)
{
    HRSRC found = FindResourceA(module_, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    ASSERT_NE(nullptr, found);
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(module_, found)));
    const std::string manifest(bytes, SizeofResource(module_, found));
    EXPECT_NE(std::string::npos, manifest.find("level=\"asInvoker\""));
    EXPECT_NE(std::string::npos,
              manifest.find("8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"));  // Windows 10/11
    EXPECT_NE(std::string::npos,
              manifest.find("35138b9a-5d96-4fbd-8e2d-a2440225f93a"));  // Windows 7
    // No common-controls 6 and no DPI awareness: the look and the pixel
    // arithmetic stay as designed.
    EXPECT_EQ(std::string::npos, manifest.find("Microsoft.Windows.Common-Controls"));
    EXPECT_EQ(std::string::npos, manifest.find("dpiAware"));
}

}  // namespace
