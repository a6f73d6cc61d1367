// The start-at-log-on entry kept in memory, for tests; it can be told to refuse changes.
#pragma once

#include <optional>
#include <string>

#include "platform/start_at_log_on.h"

namespace platform {

class MemoryRunEntry final : public RunEntry {
  public:
    std::optional<std::string> Read() override { return value; }
    // Throw std::runtime_error while refuse (refuseMark for the mark) is set, as a locked
    // registry key would.
    void Write(const std::string& command) override;
    void Remove() override;
    std::optional<Mark> ReadMark() override { return mark; }
    void WriteMark(const Mark& newMark) override;

    std::optional<std::string> value;
    std::optional<Mark> mark;
    bool refuse = false;
    bool refuseMark = false;
};

}  // namespace platform
