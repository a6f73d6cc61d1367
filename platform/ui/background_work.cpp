#include "platform/ui/background_work.h"

#include <exception>
#include <system_error>
#include <thread>
#include <utility>

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
        mailbox->ended.notify_all();
    };
    try {
        std::thread(run).detach();
    } catch (const std::system_error&) {
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
    {
        std::unique_lock<std::mutex> hold(mailbox_->lock);
        if (!mailbox_->ended.wait_for(hold, limit, [&] { return !mailbox_->finished.empty(); })) {
            return false;
        }
    }
    RunFinished();
    return true;
}

}  // namespace ui
