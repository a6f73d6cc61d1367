#include "platform/start_at_log_on.h"

#include <exception>
#include <utility>

namespace platform {
namespace {

constexpr std::string_view kSwitch = " /autostart";
// What the system writes when its switch turns an entry on.
constexpr std::size_t kMarkSize = 12;
constexpr std::uint8_t kMarkOn = 0x02;

}  // namespace

bool MarkDisables(const std::optional<RunEntry::Mark>& mark) {
    return mark && !mark->empty() && (mark->front() & 1) != 0;
}

std::string StartCommand(std::string_view programPath) {
    std::string command = "\"";
    command.append(programPath);
    command += '"';
    command.append(kSwitch);
    return command;
}

bool NamesProgram(std::string_view command, std::string_view programPath) {
    if (command.starts_with('"')) {
        command.remove_prefix(1);
        return SamePath(command.substr(0, command.find('"')), programPath);
    }
    // Unquoted, a path with blanks cannot be told from its arguments: it names this program
    // when the path is all of it or is followed by a blank. (Folded letters may differ in
    // length, so every such end is tried.)
    for (std::size_t end = 0; end <= command.size(); ++end) {
        if ((end == command.size() || command[end] == ' ') &&
            SamePath(command.substr(0, end), programPath)) {
            return true;
        }
    }
    return false;
}

StartAtLogOn::StartAtLogOn(RunEntry& entry, std::string programPath)
    : entry_(entry), programPath_(std::move(programPath)) {}

bool StartAtLogOn::Enabled() const {
    const std::optional<std::string> command = entry_.Read();
    return command && NamesProgram(*command, programPath_) && !MarkDisables(entry_.ReadMark());
}

bool StartAtLogOn::Set(bool enabled) {
    try {
        if (enabled) {
            entry_.Write(StartCommand(programPath_));
            if (MarkDisables(entry_.ReadMark())) {
                RunEntry::Mark on(kMarkSize, 0);
                on.front() = kMarkOn;
                entry_.WriteMark(on);
            }
        } else {
            entry_.Remove();
        }
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace platform
