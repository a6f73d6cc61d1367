// The program handles one event at a time on its one thread: a message of the system (a
// click, a key, a tick, a request from another program) with everything it runs, or its own
// start. Numbering them lets what was read for one event (the settings) be kept for the rest
// of it and no longer, so a value edited by hand is seen at the next event.
#pragma once

#include <cstdint>

namespace platform {

class EventEpoch {
  public:
    // The running event's number; 0 between events, when nothing may be kept.
    std::uint64_t Current() const noexcept { return depth_ > 0 ? number_ : 0; }

    // An event, or a part of the running one: a message sent while another is handled
    // belongs to that one.
    class Scope {
      public:
        explicit Scope(EventEpoch& epoch) noexcept : epoch_(epoch) {
            if (epoch_.depth_++ == epoch_.modalDepth_) {
                ++epoch_.number_;
            }
        }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
        ~Scope() { --epoch_.depth_; }

      private:
        EventEpoch& epoch_;
    };

    // A loop of the system's own that handles messages until it returns (a menu, a window
    // move) inside the running event: each message it handles is an event of its own, and
    // what the running event does after it is another, since the user may have done
    // anything meanwhile.
    class ModalLoop {
      public:
        explicit ModalLoop(EventEpoch& epoch) noexcept
            : epoch_(epoch), outerModalDepth_(epoch.modalDepth_) {
            epoch_.modalDepth_ = epoch_.depth_;
        }
        ModalLoop(const ModalLoop&) = delete;
        ModalLoop& operator=(const ModalLoop&) = delete;
        ~ModalLoop() {
            epoch_.modalDepth_ = outerModalDepth_;
            ++epoch_.number_;
        }

      private:
        EventEpoch& epoch_;
        int outerModalDepth_;
    };

  private:
    std::uint64_t number_ = 0;
    int depth_ = 0;
    // Scopes opened at this depth begin a new event: 0, or the depth a modal loop runs at.
    int modalDepth_ = 0;
};

}  // namespace platform
