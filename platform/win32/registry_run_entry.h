// The start-at-log-on entry of Windows: the value named after the program under the user's
// HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run, and its mark, the binary
// value of the same name under ...\CurrentVersion\Explorer\StartupApproved\Run that Task
// Manager and Settings write; opened afresh each time (the installer and the user change them
// while the program runs).
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "platform/start_at_log_on.h"

namespace platform::win32 {

class RegistryRunEntry final : public RunEntry {
  public:
    explicit RegistryRunEntry(std::string name) : name_(std::move(name)) {}

    std::optional<std::string> Read() override;
    // Both throw std::system_error on failure.
    void Write(const std::string& command) override;
    void Remove() override;
    // A mark that is not REG_BINARY is no mark of the system's.
    std::optional<Mark> ReadMark() override;
    void WriteMark(const Mark& mark) override;

  private:
    std::string name_;
};

// The full path of the running program's file.
std::string ThisProgramPath();

}  // namespace platform::win32
