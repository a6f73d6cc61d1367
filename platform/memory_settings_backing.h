// Settings kept in memory, for tests: it also records how it was used, so a test
// can check that a window reads the store afresh and writes keys in the right order.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/settings_backing.h"

namespace platform {

class MemorySettingsBacking final : public SettingsBacking {
  public:
    struct WriteRecord {
        std::string App;
        std::string Section;
        std::string Key;
        std::string Value;
        bool operator==(const WriteRecord&) const = default;
    };

    std::optional<std::string> Read(const std::string& app, const std::string& section,
                                    const std::string& key) override;
    // Throws std::runtime_error while failing writes are simulated (see FailWrites).
    void Write(const std::string& app, const std::string& section, const std::string& key,
               const std::string& value) override;

    // Changes or removes a value behind the back of whoever uses the backing;
    // neither counts as a read or a write.
    void Put(const std::string& app, const std::string& section, const std::string& key,
             const std::string& value);
    void Erase(const std::string& app, const std::string& section, const std::string& key);
    // The value without counting a read.
    std::optional<std::string> Peek(const std::string& app, const std::string& section,
                                    const std::string& key) const;

    std::size_t ReadCount() const noexcept { return readCount_; }
    const std::vector<WriteRecord>& Writes() const noexcept { return writes_; }
    void ClearLog();

    // Makes every following Write fail, as a full disk or a locked registry would.
    void FailWrites(bool fail) noexcept { failWrites_ = fail; }

  private:
    using Address = std::tuple<std::string, std::string, std::string>;
    std::map<Address, std::string> values_;
    std::size_t readCount_ = 0;
    std::vector<WriteRecord> writes_;
    bool failWrites_ = false;
};

}  // namespace platform
