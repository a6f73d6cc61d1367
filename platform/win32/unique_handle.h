// A move-only owner for any OS handle with a release function.
#pragma once

#include <utility>

namespace platform::win32 {

// A handle with a release function; move-only.
template <typename Handle, auto Release>
class UniqueHandle {
  public:
    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.handle_, nullptr));
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { Reset(); }

    Handle Get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr; }
    // For an API's out parameter: releases what is held and lets the API fill it in.
    Handle* Receive() noexcept {
        Reset();
        return &handle_;
    }
    void Reset(Handle handle = nullptr) noexcept {
        if (handle_ != nullptr) {
            Release(handle_);
        }
        handle_ = handle;
    }

  private:
    Handle handle_ = nullptr;
};

}  // namespace platform::win32
