#include "gui/app/SectionDesignRun.h"

#include <utility>

namespace tarvo::gui {

SectionDesignRun::SectionDesignRun(std::vector<MemberInputData> items, const CheckConditions& conditions,
                                   const MatDataBase& catalogue, DesignOptions options)
    : items_(std::move(items)), conditions_(conditions), catalogue_(catalogue), options_(options) {
    results_.reserve(items_.size());
    worker_ = std::thread([this] { work(); });
}

SectionDesignRun::~SectionDesignRun() {
    cancel();
    wait();
}

void SectionDesignRun::wait() {
    if (worker_.joinable()) worker_.join();
}

void SectionDesignRun::work() {
    for (const MemberInputData& item : items_) {
        if (cancelled()) break;
        results_.push_back(DesignSection(item, conditions_, catalogue_, options_));
        done_.store(static_cast<int>(results_.size()), std::memory_order_release);
    }
    finished_.store(true, std::memory_order_release);
}

} // namespace tarvo::gui
