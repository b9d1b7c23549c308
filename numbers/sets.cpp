#include "sets.h"

#include <bit>

sets::sets(std::int32_t n)
    : words_(n > 0 ? (std::size_t(n) + 31) / 32 : 0, 0u), size_(n > 0 ? n : 0) {}

void sets::clearall() {
    for (auto& w : words_) w = 0;
}

void sets::set(std::int32_t i) {
    if (i >= 0 && i < size_) words_[std::size_t(i) / 32] |= 1u << (i % 32);
}

bool sets::test(std::int32_t i) const {
    return i >= 0 && i < size_ && (words_[std::size_t(i) / 32] >> (i % 32) & 1u) != 0;
}

std::int32_t sets::count() const {
    std::int32_t c = 0;
    for (auto w : words_) c += std::popcount(w);
    return c;
}

std::int32_t sets::nextset() {
    if (pos_ < 0) pos_ = 0;
    while (pos_ < size_) {
        std::uint32_t w = words_[std::size_t(pos_) / 32] >> (pos_ % 32);
        if (w != 0) {
            std::int32_t i = pos_ + std::countr_zero(w);
            pos_ = i + 1;
            return i;
        }
        pos_ = (pos_ / 32 + 1) * 32; // skip the rest of an empty word
    }
    pos_ = size_;
    return -1;
}
