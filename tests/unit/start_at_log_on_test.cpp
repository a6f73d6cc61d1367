#include "platform/start_at_log_on.h"

#include <gtest/gtest.h>

namespace {

// Letter case is folded as Windows folds file names, in every script; nothing else is.
TEST(StartAtLogOn, ACommandNamesTheProgramWhateverTheCaseOfItsLetters) {
    const char* program = R"(C:\Users\Ärger\Программы\Ωmega\lunadesk.exe)";
    const std::pair<const char*, bool> commands[]{
        {R"("c:\users\äRGER\программы\ωMEGA\LUNADESK.EXE" /autostart)", true},
        {R"(C:\USERS\ÄRGER\ПРОГРАММЫ\ΩMEGA\lunadesk.exe /autostart)", true},
        {R"(C:\Users\Arger\Программы\Ωmega\lunadesk.exe)", false},
        {R"(C:\Users\Ärger\Программы\Ωmega\lunadesk.ex)", false},
        {"C:\\Users\\\xC4rger\\Программы\\Ωmega\\lunadesk.exe", false},  // not UTF-8
    };
    for (const auto& [command, names] : commands) {
        EXPECT_EQ(platform::NamesProgram(command, program), names) << command;
    }
}

}  // namespace
