#include "platform/memory_run_entry.h"

#include <stdexcept>

namespace platform {

void MemoryRunEntry::Write(const std::string& command) {
    if (refuse) {
        throw std::runtime_error("simulated refusal of the log-on entry");
    }
    value = command;
}

void MemoryRunEntry::WriteMark(const Mark& newMark) {
    if (refuseMark) {
        throw std::runtime_error("simulated refusal of the log-on mark");
    }
    mark = newMark;
}

void MemoryRunEntry::Remove() {
    if (refuse) {
        throw std::runtime_error("simulated refusal of the log-on entry");
    }
    value.reset();
}

}  // namespace platform
