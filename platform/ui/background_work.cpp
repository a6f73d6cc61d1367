#include "platform/ui/background_work.h"

#include <exception>
#include <thread>
#include <utility>

#include "platform/detached_thread.h"

namespace ui {

BackgroundWork::BackgroundWork(std::function<void()> wake) : mailbox_(std::make_shared<Mailbox>()) {
    mailbox_->wake = std::move(wake);
}

BackgroundWork::~BackgroundWork() {
    const std::lock_guard<std::mutex> hold(mailbox_->lock);
    mailbox_->closed = true;
    mailbox_->wake = nullptr;
}

void BackgroundWork::Start(std::function<void()> work, std::function<void()> done) {
    const std::uint64_t id = next_++;
    waiting_.emplace(id, std::move(done));
    auto run = [mailbox = mailbox_, id, work = std::move(work)] {
        try {
            work();
        } catch (const std::exception&) {
            // `done` still runs, with whatever the work left behind.
        }
        const std::lock_guard<std::mutex> hold(mailbox->lock);
        if (!mailbox->closed) {
            mailbox->finished.push_back(id);
            if (mailbox->wake) {
                mailbox->wake();
            }
        }
    };
    if (!platform::StartDetachedThread(run)) {
        // No thread to be had: better late on this one than never.
        run();
    }
}

void BackgroundWork::RunFinished() {
    std::vector<std::uint64_t> finished;
    {
        const std::lock_guard<std::mutex> hold(mailbox_->lock);
        finished.swap(mailbox_->finished);
    }
    for (const std::uint64_t id : finished) {
        const auto found = waiting_.find(id);
        if (found != waiting_.end()) {
            // Taken out first: `done` may start more work.
            const std::function<void()> done = std::move(found->second);
            waiting_.erase(found);
            done();
        }
    }
}

bool BackgroundWork::WaitAndRunFinished(std::chrono::milliseconds limit) {
    // Looks every millisecond, holding the lock only to look: a timed condition wait of mingw's
    // thread library spun at full speed under Wine while it waited.
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        {
            const std::lock_guard<std::mutex> hold(mailbox_->lock);
            if (!mailbox_->finished.empty()) {
                break;
            }
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    RunFinished();
    return true;
}

}  // namespace ui
