#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/memory_settings_backing.h"

namespace {

using platform::MemorySettingsBacking;

class SettingsStoreTest : public ::testing::Test {
  protected:
    MemorySettingsBacking memory;
    SettingsStore store{memory};
};

TEST_F(SettingsStoreTest, StoresTextUnderTheApplicationAndSection) {
    EXPECT_EQ(store.ReadSetting("formX"), "");

    store.WriteSetting("formX", "-345");
    store.WriteSetting("setcol", "16711680");
    store.WriteSetting("formX", "13905");

    EXPECT_EQ(store.ReadSetting("formX"), "13905");
    EXPECT_EQ(store.ReadSetting("setcol"), "16711680");
    EXPECT_EQ(store.ReadSetting("formY"), "");
    const std::vector<MemorySettingsBacking::WriteRecord> expected{
        {"Lunadesk", "set", "formX", "-345"},
        {"Lunadesk", "set", "setcol", "16711680"},
        {"Lunadesk", "set", "formX", "13905"},
    };
    EXPECT_EQ(memory.Writes(), expected);
}

TEST_F(SettingsStoreTest, KeepsAnyTextAsItIs) {
    store.WriteSetting("note", "农历 腊月初八\nline two \\ end");
    store.WriteSetting("blank", "");

    EXPECT_EQ(store.ReadSetting("note"), "农历 腊月初八\nline two \\ end");
    EXPECT_EQ(memory.Peek("Lunadesk", "set", "blank"), "");
}

TEST_F(SettingsStoreTest, ReadsTheBackingEveryTime) {
    store.WriteSetting("fontR1", "0");
    EXPECT_EQ(store.ReadSetting("fontR1"), "0");

    memory.Put("Lunadesk", "set", "fontR1", "128");
    EXPECT_EQ(store.ReadSetting("fontR1"), "128");
    memory.Erase("Lunadesk", "set", "fontR1");
    EXPECT_EQ(store.ReadSetting("fontR1"), "");
    EXPECT_EQ(memory.ReadCount(), 3u);
}

TEST_F(SettingsStoreTest, AFailingBackingIsNotTheCallersProblem) {
    store.WriteSetting("formbackcol", "200");
    memory.FailWrites(true);

    EXPECT_NO_THROW(store.WriteSetting("formbackcol", "50"));
    EXPECT_EQ(store.ReadSetting("formbackcol"), "200");
}

TEST(SettingsStoreOwnership, OwnsABackingGivenToIt) {
    auto owned = std::make_unique<MemorySettingsBacking>();
    MemorySettingsBacking& memory = *owned;
    SettingsStore store(std::move(owned));

    store.WriteSetting("formY", "0");

    EXPECT_EQ(memory.Peek("Lunadesk", "set", "formY"), "0");
    EXPECT_EQ(store.ReadSetting("formY"), "0");
}

}  // namespace
