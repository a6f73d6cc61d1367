// A control array: elements of one kind addressed by an index from 0.
#pragma once

#include <memory>
#include <vector>

#include "platform/errors.h"

namespace ui {

template <typename T>
class ElementArray {
  public:
    template <typename... Args>
    T& Add(Args&&... args) {
        items_.push_back(std::make_unique<T>(std::forward<Args>(args)...));
        return *items_.back();
    }
    int Count() const { return static_cast<int>(items_.size()); }
    // SubscriptOutOfRange for an index the array lacks.
    T& operator[](int index) const {
        if (index < 0 || index >= Count()) {
            platform::Fail(platform::ErrorCode::SubscriptOutOfRange, "no such element");
        }
        return *items_[static_cast<std::size_t>(index)];
    }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

  private:
    std::vector<std::unique_ptr<T>> items_;
};

}  // namespace ui
