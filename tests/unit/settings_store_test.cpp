#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/event_epoch.h"
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

// A value is read from the backing once per event: a write, the next event (a message a
// menu or a move handles too) and every read between events go to the backing again.
TEST(SettingsStore, KeepsWhatItReadForTheRunningEventOnly) {
    MemorySettingsBacking memory;
    SettingsStore store(memory);
    platform::EventEpoch events;
    store.KeepReadsWithin(events);
    const auto readsOf = [&](const char* key, int times) {
        const std::size_t before = memory.ReadCount();
        while (times-- > 0) {
            store.ReadSetting(key);
        }
        return memory.ReadCount() - before;
    };
    memory.Put("Lunadesk", "set", "setcol", "255");
    EXPECT_EQ(readsOf("setcol", 2), 2u);
    {
        const platform::EventEpoch::Scope event(events);
        EXPECT_EQ(store.ReadSetting("setcol"), "255");
        memory.Put("Lunadesk", "set", "setcol", "0");
        EXPECT_EQ(store.ReadSetting("setcol"), "255");
        EXPECT_EQ(readsOf("absent", 3), 1u);
        store.WriteSetting("formX", "1");
        EXPECT_EQ(store.ReadSetting("setcol"), "0");
        {
            const platform::EventEpoch::Scope sent(events);
            EXPECT_EQ(readsOf("setcol", 2), 0u);
        }
        {
            const platform::EventEpoch::ModalLoop loop(events);
            const platform::EventEpoch::Scope inLoop(events);
            EXPECT_EQ(readsOf("setcol", 2), 1u);
        }
        EXPECT_EQ(readsOf("setcol", 2), 1u);
    }
    const platform::EventEpoch::Scope next(events);
    EXPECT_EQ(readsOf("setcol", 2), 1u);
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
