#include "platform/win32/registry_settings_backing.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "platform/win32/registry_key.h"
#include "platform/win32/wide_text.h"

namespace {

using platform::win32::RegistryKey;
using platform::win32::RegistrySettingsBacking;
using platform::win32::ToWide;

// Each run uses its own application key, so tests never touch the real settings
// and a failed run leaves nothing that disturbs the next one.
class RegistrySettingsBackingTest : public ::testing::Test {
  protected:
    void TearDown() override {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, (L"Software\\" + ToWide(app)).c_str());
    }

    std::optional<std::string> ReadFresh(const std::string& key) {
        return RegistrySettingsBacking().Read(app, "set", key);
    }

    RegistryKey OpenSection(REGSAM access) {
        RegistryKey key;
        EXPECT_EQ(::RegCreateKeyExW(
                      HKEY_CURRENT_USER, (L"Software\\" + ToWide(app) + L"\\set").c_str(), 0,
                      nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, key.Receive(), nullptr),
                  ERROR_SUCCESS);
        return key;
    }

    const std::string app = "LunadeskTest-" + std::to_string(::GetCurrentProcessId());
};

TEST_F(RegistrySettingsBackingTest, ValuesPersistInTheUsersRegistry) {
    {
        RegistrySettingsBacking backing;
        EXPECT_EQ(backing.Read(app, "set", "formX"), std::nullopt);
        backing.Write(app, "set", "formX", "-345");
        backing.Write(app, "set", "setcol", "16711680");
        backing.Write(app, "set", "formX", "13905");
        backing.Write(app, "set", "empty", "");
        backing.Write(app, "set", "note", "农历 腊月初八\r\n\\𝄞");
    }
    EXPECT_EQ(ReadFresh("formX"), "13905");
    EXPECT_EQ(ReadFresh("setcol"), "16711680");
    EXPECT_EQ(ReadFresh("empty"), "");
    EXPECT_EQ(ReadFresh("note"), "农历 腊月初八\r\n\\𝄞");
    EXPECT_EQ(ReadFresh("formY"), std::nullopt);
    EXPECT_EQ(RegistrySettingsBacking().Read(app, "other", "formX"), std::nullopt);
}

TEST_F(RegistrySettingsBackingTest, StoresNulTerminatedStringValues) {
    RegistrySettingsBacking().Write(app, "set", "note", "腊月");

    RegistryKey key = OpenSection(KEY_QUERY_VALUE);
    DWORD type = 0;
    wchar_t data[8] = {L'x', L'x', L'x', L'x', L'x', L'x', L'x', L'x'};
    DWORD size = sizeof data;
    ASSERT_EQ(::RegQueryValueExW(key.Get(), L"note", nullptr, &type, reinterpret_cast<BYTE*>(data),
                                 &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    ASSERT_EQ(size, 3 * sizeof(wchar_t));
    EXPECT_EQ(std::wstring(data, 3), std::wstring(L"腊月\0", 3));
}

TEST_F(RegistrySettingsBackingTest, OnlyStringValuesAreRead) {
    RegistryKey key = OpenSection(KEY_SET_VALUE);
    const DWORD number = 200;
    ASSERT_EQ(::RegSetValueExW(key.Get(), L"formbackcol", 0, REG_DWORD,
                               reinterpret_cast<const BYTE*>(&number), sizeof number),
              ERROR_SUCCESS);
    // Written by another tool without the terminating NUL.
    const wchar_t text[] = {L'5', L'0'};
    ASSERT_EQ(::RegSetValueExW(key.Get(), L"formY", 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                               sizeof text),
              ERROR_SUCCESS);

    EXPECT_EQ(ReadFresh("formbackcol"), std::nullopt);
    EXPECT_EQ(ReadFresh("formY"), "50");

    RegistrySettingsBacking().Write(app, "set", "formbackcol", "50");
    EXPECT_EQ(ReadFresh("formbackcol"), "50");
}

TEST(WideText, ConvertsBothWays) {
    using platform::win32::ToUtf8;
    EXPECT_EQ(ToWide("星期日 R:"), L"星期日 R:");
    EXPECT_EQ(ToUtf8(L"星期日 R:"), "星期日 R:");
    EXPECT_EQ(ToUtf8(ToWide("𝄞")), "𝄞");
    EXPECT_EQ(ToWide(""), L"");
    // Malformed input still converts, with the bad part replaced.
    EXPECT_EQ(ToWide("a\xFF"
                     "b"),
              L"a\uFFFDb");
}

}  // namespace
