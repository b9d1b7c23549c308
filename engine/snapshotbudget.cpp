#include "snapshotbudget.h"

#include <unistd.h>

namespace snapshotbudget {
namespace {
constexpr std::size_t programBudget = std::size_t(2) << 30;

std::size_t physicalMemory() {
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0) return 0;
    return std::size_t(pages) * std::size_t(pageSize);
}

// The budget is process-wide: the program runs one thing at a time, on one
// thread, and every open window's protocol counts.
std::size_t& currentLimit() {
    static std::size_t limit = defaultLimit(physicalMemory());
    return limit;
}
std::size_t held = 0;
} // namespace

std::size_t defaultLimit(std::size_t physicalBytes) {
    std::size_t budget = programBudget;
    // Unknown memory size: assume enough for the full budget.
    if (physicalBytes > 0 && physicalBytes / 4 < budget) budget = physicalBytes / 4;
    return budget / 4 * 3;
}

std::size_t limit() { return currentLimit(); }
std::size_t inUse() { return held; }

bool take(std::size_t bytes) {
    if (bytes > currentLimit() || held > currentLimit() - bytes) return false;
    held += bytes;
    return true;
}

void give(std::size_t bytes) { held = bytes > held ? 0 : held - bytes; }

scopedlimit::scopedlimit(std::size_t bytes) : previous_(currentLimit()) { currentLimit() = bytes; }
scopedlimit::~scopedlimit() { currentLimit() = previous_; }

} // namespace snapshotbudget
