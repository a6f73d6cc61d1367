#include "user_files/days_watch.h"

#include <utility>

#include "user_files/startup_files.h"

namespace user_files {

namespace {

// What a reading says, faults included: a file that stays unreadable is no change.
std::pair<std::optional<std::string>, std::string> Said(const DaysLoad& load) {
    return {load.Bytes, load.Fault ? FaultText(*load.Fault) : std::string()};
}

}  // namespace

struct DaysWatch::State {
    // nullopt before the first look: the file may have changed between the reading at start
    // and it, so the first look reads and compares.
    std::optional<std::optional<platform::FileStamp>> stamp;
    std::pair<std::optional<std::string>, std::string> said;
    bool looking = false;
};

DaysWatch::DaysWatch(ui::WindowSystem& system, std::shared_ptr<const platform::FileAccess> access,
                     std::string root)
    : system_(system),
      access_(std::move(access)),
      root_(std::move(root)),
      state_(std::make_shared<State>()) {}

void DaysWatch::Took(const DaysLoad& load) {
    state_->said = Said(load);
}

void DaysWatch::Look(std::function<void(DaysLoad)> changed) {
    if (state_->looking) {
        return;
    }
    state_->looking = true;
    struct Result {
        std::optional<platform::FileStamp> stamp;
        std::optional<DaysLoad> load;
    };
    auto result = std::make_shared<Result>();
    const std::optional<std::optional<platform::FileStamp>> known = state_->stamp;
    system_.RunInBackground(
        [result, known, access = access_, root = root_] {
            result->stamp = access->Stamp(root, kDaysFileName);
            // The stamp first: a write after it shows as another stamp at the next look.
            if (known != result->stamp) {
                result->load = ReadDaysFile(*access, root);
            }
        },
        [result, state = state_, changed = std::move(changed)] {
            state->looking = false;
            state->stamp = result->stamp;
            if (result->load && Said(*result->load) != state->said) {
                state->said = Said(*result->load);
                changed(std::move(*result->load));
            }
        });
}

}  // namespace user_files
