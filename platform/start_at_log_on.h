// Whether the program starts when the user logs on. The system keeps one entry per user under
// the program's name, a command line to run, and beside it the mark that the system's own
// "startup apps" switches (Task Manager, Settings) set to turn the entry off without removing
// it; where both live is behind RunEntry (the registry on Windows, memory in tests). The
// installer writes the same command.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class RunEntry {
  public:
    using Mark = std::vector<std::uint8_t>;

    virtual ~RunEntry() = default;
    // The stored command; nullopt when there is none.
    virtual std::optional<std::string> Read() = 0;
    // Both throw when the entry cannot be changed; removing an absent entry succeeds.
    virtual void Write(const std::string& command) = 0;
    virtual void Remove() = 0;
    // The system's on/off mark for the entry (12 bytes as the system writes it); nullopt when
    // there is none. Writing throws when the mark cannot be changed.
    virtual std::optional<Mark> ReadMark() = 0;
    virtual void WriteMark(const Mark& mark) = 0;
};

// "<program path>" /autostart: the switch lets the program start without taking the focus.
std::string StartCommand(std::string_view programPath);
// Whether a command runs this program's file: its program, quoted or not, is the path,
// letter case aside (see SamePath).
bool NamesProgram(std::string_view command, std::string_view programPath);
// Whether two UTF-8 paths are the same text but for letter case, folded as the system folds
// file names (Windows: CompareStringOrdinal ignoring case), for every script, not only ASCII.
bool SamePath(std::string_view a, std::string_view b);
// Whether the system's mark turns the entry off: an odd first byte; no mark leaves it on.
bool MarkDisables(const std::optional<RunEntry::Mark>& mark);

class StartAtLogOn {
  public:
    StartAtLogOn(RunEntry& entry, std::string programPath);

    // Read afresh: the installer, another copy or the user may have changed the entry. On when
    // the entry runs this program and the system's switch has not turned it off.
    bool Enabled() const;
    // Writes the entry and clears a mark that turns it off, or removes the entry (the mark,
    // which the system keeps for entries that come and go, stays); false when that failed.
    bool Set(bool enabled);

  private:
    RunEntry& entry_;
    std::string programPath_;
};

}  // namespace platform
