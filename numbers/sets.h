#pragma once
#include <cstdint>
#include <vector>

// A fixed-size set of the indices 0 ... size-1, with a cursor that walks the
// members in increasing order: reset(), then nextset() until it returns -1.
class sets {
public:
    explicit sets(std::int32_t n = 0);

    void clearall();
    void set(std::int32_t i);        // ignored outside 0 ... size-1
    bool test(std::int32_t i) const; // false outside 0 ... size-1
    std::int32_t count() const;
    std::int32_t size() const { return size_; }

    void reset() { pos_ = 0; }
    std::int32_t nextset();

private:
    std::vector<std::uint32_t> words_; // bit i is bit i%32 of word i/32
    std::int32_t size_;
    std::int32_t pos_ = 0;
};
