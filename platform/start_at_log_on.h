// Whether the program starts when the user logs on. The system keeps one entry per user under
// the program's name, a command line to run; where it lives is behind RunEntry (the registry's
// Run key on Windows, memory in tests). The installer writes the same command.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

class RunEntry {
  public:
    virtual ~RunEntry() = default;
    // The stored command; nullopt when there is none.
    virtual std::optional<std::string> Read() = 0;
    // Both throw when the entry cannot be changed; removing an absent entry succeeds.
    virtual void Write(const std::string& command) = 0;
    virtual void Remove() = 0;
};

// "<program path>" /autostart: the switch lets the program start without taking the focus.
std::string StartCommand(std::string_view programPath);
// Whether a command runs this program's file: its program, quoted or not, is the path,
// letter case aside (file names are case-insensitive on Windows).
bool NamesProgram(std::string_view command, std::string_view programPath);

class StartAtLogOn {
  public:
    StartAtLogOn(RunEntry& entry, std::string programPath);

    // Read afresh: the installer, another copy or the user may have changed the entry.
    bool Enabled() const;
    // Writes or removes the entry; false when that failed, which leaves it as it was.
    bool Set(bool enabled);

  private:
    RunEntry& entry_;
    std::string programPath_;
};

}  // namespace platform
