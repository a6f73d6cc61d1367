#include "platform/start_at_log_on.h"

#include <algorithm>
#include <exception>
#include <utility>

namespace platform {
namespace {

constexpr std::string_view kSwitch = " /autostart";

bool SameLetters(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

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
        return SameLetters(command.substr(0, command.find('"')), programPath);
    }
    // Unquoted, a path with blanks cannot be told from its arguments: it names this
    // program when the path is all of it or is followed by a blank.
    return SameLetters(command.substr(0, programPath.size()), programPath) &&
           (command.size() == programPath.size() || command[programPath.size()] == ' ');
}

StartAtLogOn::StartAtLogOn(RunEntry& entry, std::string programPath)
    : entry_(entry), programPath_(std::move(programPath)) {}

bool StartAtLogOn::Enabled() const {
    const std::optional<std::string> command = entry_.Read();
    return command && NamesProgram(*command, programPath_);
}

bool StartAtLogOn::Set(bool enabled) {
    try {
        if (enabled) {
            entry_.Write(StartCommand(programPath_));
        } else {
            entry_.Remove();
        }
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace platform
