#pragma once
#include <cstddef>

// How much memory the matrix snapshots of all protocols together may take.
//
// The program's memory budget is 2 GiB, or a quarter of the machine's physical
// memory when that is less. Snapshots may fill three quarters of it; the rest
// is left for the matrices an algorithm works on (at most a 999 x 1998 exact
// matrix of 24 MB, a few at a time), the last snapshot of a run that no longer
// fits (see protstream) and the program itself. A 999 x 999 double
// Gauss-Jordan alone would otherwise keep 8 GB of snapshots, an exact inverse
// 24 GB.
namespace snapshotbudget {

// The limit for all snapshots, in bytes.
std::size_t limit();
// Bytes of snapshots held now, by every protocol.
std::size_t inUse();

// Takes bytes from the budget, or nothing and false when they do not fit.
bool take(std::size_t bytes);
// Returns bytes taken earlier.
void give(std::size_t bytes);

// The default limit for a machine with the given physical memory.
std::size_t defaultLimit(std::size_t physicalBytes);

// Sets another limit while it lives, then restores the one before (for tests
// that run out of budget on small matrices).
class scopedlimit {
public:
    explicit scopedlimit(std::size_t bytes);
    ~scopedlimit();
    scopedlimit(const scopedlimit&) = delete;
    scopedlimit& operator=(const scopedlimit&) = delete;

private:
    std::size_t previous_;
};

} // namespace snapshotbudget
