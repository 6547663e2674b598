#pragma once
// The section design of a list of items on a worker thread, so that the
// window stays responsive on a long list: the items are copied when the run
// starts, the worker designs one after another, counts its progress and stops
// at the next item once cancelled. The results are read after it finished.
#include <atomic>
#include <thread>
#include <vector>

#include "core/check/CheckConditions.h"
#include "core/design/SectionDesign.h"
#include "core/project/ColumnMember.h"

namespace tarvo {
class MatDataBase;
}

namespace tarvo::gui {

class SectionDesignRun {
public:
    // `catalogue` must outlive the run (it is read from the worker; it holds
    // no state of its own).
    SectionDesignRun(std::vector<MemberInputData> items, const CheckConditions& conditions,
                     const MatDataBase& catalogue, DesignOptions options);
    // Cancels and waits for the worker.
    ~SectionDesignRun();
    SectionDesignRun(const SectionDesignRun&) = delete;
    SectionDesignRun& operator=(const SectionDesignRun&) = delete;

    [[nodiscard]] int count() const { return static_cast<int>(items_.size()); }
    // Items designed so far.
    [[nodiscard]] int done() const { return done_.load(std::memory_order_acquire); }
    [[nodiscard]] bool finished() const { return finished_.load(std::memory_order_acquire); }
    [[nodiscard]] bool cancelled() const { return cancel_.load(std::memory_order_acquire); }
    void cancel() { cancel_.store(true, std::memory_order_release); }
    // Waits for the worker to end.
    void wait();
    // The designs of the first done() items, in the order of the items; only
    // once finished.
    [[nodiscard]] const std::vector<SectionDesign>& results() const { return results_; }

private:
    void work();

    std::vector<MemberInputData> items_;
    CheckConditions conditions_;
    const MatDataBase& catalogue_;
    DesignOptions options_;
    std::vector<SectionDesign> results_;
    std::atomic<int> done_{0};
    std::atomic<bool> finished_{false};
    std::atomic<bool> cancel_{false};
    std::thread worker_;
};

} // namespace tarvo::gui
