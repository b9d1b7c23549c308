#include "snapshotpool.h"

#include <cstdint>
#include <new>

#include <sys/mman.h>

namespace {
constexpr std::size_t hugePage = std::size_t(2) << 20;
constexpr std::size_t smallestBlock = hugePage;
constexpr std::size_t largestBlock = std::size_t(32) << 20;
constexpr std::size_t alignment = 64;

std::size_t roundUp(std::size_t n, std::size_t unit) { return (n + unit - 1) / unit * unit; }

// A block of size bytes (a multiple of the huge-page size) on a huge-page
// boundary: mapped with one extra huge page, the unaligned ends given back.
char* mapBlock(std::size_t size) {
    const std::size_t span = size + hugePage;
    void* p = mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) return nullptr;
    char* raw = static_cast<char*>(p);
    char* base = reinterpret_cast<char*>(roundUp(reinterpret_cast<std::uintptr_t>(raw), hugePage));
    if (base > raw) munmap(raw, std::size_t(base - raw));
    const std::size_t tail = std::size_t(raw + span - (base + size));
    if (tail > 0) munmap(base + size, tail);
    // Only advice: without transparent huge pages the block still works.
    madvise(base, size, MADV_HUGEPAGE);
    return base;
}
} // namespace

void* snapshotpool::allocate(std::size_t bytes) {
    bytes = roundUp(bytes == 0 ? 1 : bytes, alignment);
    if (blocks_.empty() || blocks_.back().size - used_ < bytes) {
        // Blocks grow with the protocol, so that a small protocol holds little
        // and a large one few blocks.
        std::size_t size = blocks_.empty() ? smallestBlock : blocks_.back().size * 2;
        if (size > largestBlock) size = largestBlock;
        if (size < bytes) size = roundUp(bytes, hugePage);
        try {
            blocks_.reserve(blocks_.size() + 1);
        } catch (const std::bad_alloc&) {
            return nullptr;
        }
        char* base = mapBlock(size);
        if (base == nullptr) return nullptr;
        blocks_.push_back({base, size});
        reserved_ += size;
        used_ = 0;
    }
    void* p = blocks_.back().base + used_;
    used_ += bytes;
    return p;
}

void snapshotpool::clear() {
    for (const block& b : blocks_) munmap(b.base, b.size);
    blocks_.clear();
    used_ = 0;
    reserved_ = 0;
}
