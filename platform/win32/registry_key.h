// Owns an open registry key and closes it when it goes out of scope.
#pragma once

#include <windows.h>

#include <utility>

namespace platform::win32 {

class RegistryKey {
  public:
    RegistryKey() noexcept = default;
    explicit RegistryKey(HKEY key) noexcept : key_(key) {}
    RegistryKey(RegistryKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
    RegistryKey& operator=(RegistryKey&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.key_, nullptr));
        }
        return *this;
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() { Reset(nullptr); }

    HKEY Get() const noexcept { return key_; }
    // For the out parameter of RegOpenKeyExW and RegCreateKeyExW.
    HKEY* Receive() noexcept {
        Reset(nullptr);
        return &key_;
    }

  private:
    void Reset(HKEY key) noexcept {
        if (key_ != nullptr) {
            ::RegCloseKey(key_);
        }
        key_ = key;
    }

    HKEY key_ = nullptr;
};

}  // namespace platform::win32
