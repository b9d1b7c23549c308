#include "extentcache.h"

namespace {
// The characters numbers are written with.
constexpr std::string_view NumberCharacters = "0123456789+-.,eE";
// How many sums are compared with a real measurement per font and layout.
constexpr int CheckedSums = 100;

bool isNumberText(std::string_view text) {
    for (char c : text)
        if (NumberCharacters.find(c) == std::string_view::npos) return false;
    return !text.empty();
}
} // namespace

dcfont ExtentCache::selectFont(const dcfont& f) {
    // Before the first selection the previous font is the real context's own;
    // asking it costs one selection, once.
    dcfont previous;
    if (current_ < 0) {
        previous = real_.selectFont(f);
        real_.selectFont(previous);
    } else {
        previous = fonts_[std::size_t(current_)].font;
    }
    current_ = -1;
    for (std::size_t i = 0; i < fonts_.size(); ++i)
        if (fonts_[i].font == f) current_ = int(i);
    if (current_ < 0) {
        fonts_.push_back(Font{f, {}, false, {}});
        current_ = int(fonts_.size() - 1);
    }
    return previous;
}

dcsize ExtentCache::measure(Font& f, std::string_view text) {
    FontSelection s(real_, f.font);
    return real_.textExtent(text);
}

// 64 copies of a character measure its advance in 1/64 pixel exactly. A
// pair of characters repeated 64 times measures the sum of their advances
// exactly unless kerning changes it.
bool ExtentCache::additive(Font& f) {
    if (f.additive >= 0) return f.additive == 1;
    f.additive = 0;
    for (char c : NumberCharacters) {
        const dcsize size = measure(f, std::string(64, c));
        f.advances[int(c)] = size.cx;
        f.height = size.cy;
    }
    std::string pairs;
    for (char a : NumberCharacters)
        for (char b : NumberCharacters) {
            pairs.clear();
            for (int i = 0; i < 64; ++i) pairs += {a, b};
            if (measure(f, pairs).cx != f.advances[int(a)] + f.advances[int(b)]) return false;
        }
    f.additive = 1;
    return true;
}

dcsize ExtentCache::textExtent(std::string_view text) {
    if (current_ < 0) return real_.textExtent(text);
    Font& f = fonts_[std::size_t(current_)];
    if (isNumberText(text) && additive(f)) {
        int sum = 0;
        for (char c : text) sum += f.advances[int(c)];
        const dcsize size{(sum + 32) / 64, f.height}; // rounded half up, as shaping does
        if (f.checked < CheckedSums) {
            ++f.checked;
            const dcsize real = measure(f, text);
            if (real.cx == size.cx && real.cy == size.cy) return size;
            f.additive = 0;
            return real;
        }
        return size;
    }
    if (auto it = f.extents.find(text); it != f.extents.end()) return it->second;
    const dcsize size = measure(f, text);
    f.extents.emplace(std::string(text), size);
    return size;
}

dcmetrics ExtentCache::metrics() {
    if (current_ < 0) return real_.metrics();
    Font& f = fonts_[std::size_t(current_)];
    if (!f.measured) {
        FontSelection s(real_, f.font);
        f.metrics = real_.metrics();
        f.measured = true;
    }
    return f.metrics;
}

void ExtentCache::textOut(int x, int y, std::string_view text) {
    if (current_ < 0) return real_.textOut(x, y, text);
    FontSelection s(real_, fonts_[std::size_t(current_)].font);
    real_.textOut(x, y, text);
}
