#include "platform/memory_settings_backing.h"

#include <stdexcept>

namespace platform {

std::optional<std::string> MemorySettingsBacking::Read(const std::string& app,
                                                       const std::string& section,
                                                       const std::string& key) {
    ++readCount_;
    return Peek(app, section, key);
}

void MemorySettingsBacking::Write(const std::string& app, const std::string& section,
                                  const std::string& key, const std::string& value) {
    if (failWrites_) {
        throw std::runtime_error("simulated settings write failure");
    }
    Put(app, section, key, value);
    writes_.push_back({app, section, key, value});
}

void MemorySettingsBacking::Put(const std::string& app, const std::string& section,
                                const std::string& key, const std::string& value) {
    values_[{app, section, key}] = value;
}

void MemorySettingsBacking::Erase(const std::string& app, const std::string& section,
                                  const std::string& key) {
    values_.erase({app, section, key});
}

std::optional<std::string> MemorySettingsBacking::Peek(const std::string& app,
                                                       const std::string& section,
                                                       const std::string& key) const {
    const auto found = values_.find({app, section, key});
    if (found == values_.end()) {
        return std::nullopt;
    }
    return found->second;
}

void MemorySettingsBacking::ClearLog() {
    readCount_ = 0;
    writes_.clear();
}

}  // namespace platform
