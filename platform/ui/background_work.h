// Work that must not hold up the windows (reading the user's files, which may sit on a share
// that does not answer): each piece runs on a thread of its own and its result is taken on the
// UI thread, from the message loop. Nothing ever waits for the thread: once the window system
// is gone, a piece that ends late finds its mailbox closed and its result is dropped.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace ui {

class BackgroundWork {
  public:
    // `wake` is called on the worker's thread, under a lock, when a piece has ended: it only
    // asks the UI thread to call RunFinished (a posted message), and must not block.
    explicit BackgroundWork(std::function<void()> wake);
    BackgroundWork(const BackgroundWork&) = delete;
    BackgroundWork& operator=(const BackgroundWork&) = delete;
    ~BackgroundWork();

    // Runs `work` on a new thread; `done` runs later, on the thread that calls RunFinished.
    void Start(std::function<void()> work, std::function<void()> done);
    // Runs `done` of every piece that has ended; on the UI thread.
    void RunFinished();
    // Pieces whose `done` has not run yet.
    std::size_t Waiting() const { return waiting_.size(); }
    // For tests: waits at most `limit` for a piece to end, then runs what has ended; false
    // when none had.
    bool WaitAndRunFinished(std::chrono::milliseconds limit);

  private:
    struct Mailbox {
        std::mutex lock;
        std::vector<std::uint64_t> finished;
        std::function<void()> wake;
        bool closed = false;
    };
    std::shared_ptr<Mailbox> mailbox_;
    std::map<std::uint64_t, std::function<void()>> waiting_;
    std::uint64_t next_ = 0;
};

}  // namespace ui
