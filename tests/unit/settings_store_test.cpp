#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/memory_settings_backing.h"

namespace {

using platform::MemorySettingsBacking;

TEST(SettingsStore, KeepsAnyTextUnderTheApplicationAndSectionReadingItAfresh) {
    MemorySettingsBacking memory;
    SettingsStore store(memory);
    EXPECT_EQ(store.ReadSetting("formX"), "");
    store.WriteSetting("formX", "-345");
    store.WriteSetting("note", "农历 腊月初八\nline two \\ end");
    const std::vector<MemorySettingsBacking::WriteRecord> expected{
        {"Lunadesk", "set", "formX", "-345"},
        {"Lunadesk", "set", "note", "农历 腊月初八\nline two \\ end"}};
    EXPECT_EQ(memory.Writes(), expected);
    EXPECT_EQ(store.ReadSetting("note"), "农历 腊月初八\nline two \\ end");

    memory.Put("Lunadesk", "set", "formX", "128");
    EXPECT_EQ(store.ReadSetting("formX"), "128");
    memory.Erase("Lunadesk", "set", "formX");
    EXPECT_EQ(store.ReadSetting("formX"), "");
}

TEST(SettingsStore, AFailingBackingIsNotTheCallersProblem) {
    auto owned = std::make_unique<MemorySettingsBacking>();
    MemorySettingsBacking& memory = *owned;
    SettingsStore store(std::move(owned));
    store.WriteSetting("formbackcol", "200");
    EXPECT_EQ(memory.Peek("Lunadesk", "set", "formbackcol"), "200");

    memory.FailWrites(true);
    EXPECT_NO_THROW(store.WriteSetting("formbackcol", "50"));
    EXPECT_EQ(store.ReadSetting("formbackcol"), "200");
    EXPECT_THROW(SettingsStore(std::unique_ptr<platform::SettingsBacking>()),
                 std::invalid_argument);
}

}  // namespace
