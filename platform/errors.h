// Failures carry the classic numeric codes because callers branch on them:
// the day selection, for one, treats "not a date" (13) differently from the rest.
#pragma once

#include <stdexcept>
#include <string>

namespace platform {

enum class ErrorCode : int {
    Overflow = 6,
    SubscriptOutOfRange = 9,
    TypeMismatch = 13,
};

class Error : public std::runtime_error {
  public:
    Error(ErrorCode code, const std::string& what) : std::runtime_error(what), code_(code) {}
    ErrorCode Code() const noexcept { return code_; }
    int Number() const noexcept { return static_cast<int>(code_); }

  private:
    ErrorCode code_;
};

[[noreturn]] inline void Fail(ErrorCode code, const std::string& what) {
    throw Error(code, what);
}

}  // namespace platform
