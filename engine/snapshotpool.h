#pragma once
#include <cstddef>
#include <vector>

// Memory for the matrix snapshots of one protocol. A run writes hundreds of
// snapshots that all live until the protocol is cleared, so they are carved
// one after the other out of large blocks that ask the kernel for huge pages:
// first writes into fresh memory then fault once per 2 MiB instead of once
// per 4 KiB, which is what decides the cost of a snapshot.
// Nothing is freed singly; clear() returns every block.
class snapshotpool {
public:
    snapshotpool() = default;
    snapshotpool(const snapshotpool&) = delete;
    snapshotpool& operator=(const snapshotpool&) = delete;
    ~snapshotpool() { clear(); }

    // bytes of storage aligned for any entry type, or null when the system
    // has no memory left (never throws).
    void* allocate(std::size_t bytes);
    void clear();

    // Bytes of address space the blocks hold.
    std::size_t reserved() const { return reserved_; }

private:
    struct block {
        char* base;
        std::size_t size;
    };
    std::vector<block> blocks_;
    std::size_t used_ = 0; // in the last block
    std::size_t reserved_ = 0;
};
