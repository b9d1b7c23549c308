#include "reeltext.h"

#include <charconv>
#include <istream>
#include <ostream>
#include <sstream>

std::ostream& operator<<(std::ostream& os, const reel& x) {
    // Built first and written in one piece, so that a field width set on the
    // stream applies to the whole value rather than to its first number.
    std::string s;
    if (x.whole == 0 && x.num == 0) {
        s = "0";
    } else if (x.num == 0) {
        s = std::to_string(x.whole);
    } else if (x.whole == 0) {
        s = std::to_string(x.num) + "/" + std::to_string(x.den);
    } else {
        std::int64_t n = x.num < 0 ? -std::int64_t(x.num) : x.num;
        s = std::to_string(x.whole) + "/" + std::to_string(n) + "/" + std::to_string(x.den);
    }
    return os << s;
}

namespace {
bool isSeparator(int ch) { return ch == '/' || ch == ','; }

reel safeReel(std::istream& is, std::int32_t w, std::int32_t n, std::int32_t d, int count) {
    try {
        if (count == 1) return reel(w);
        if (count == 2) return reel(w, n);
        return reel(w, n, d);
    } catch (const mylongint::overflow&) {
        // Values whose whole part cannot be held (2147483647/3/2) or the number
        // -2147483648: not a fraction of this system.
        is.setstate(std::ios::failbit);
        return reel();
    }
}
} // namespace

std::istream& operator>>(std::istream& is, reel& x) {
    x = reel();
    if (is.eof()) return is;
    std::int32_t a = 0, b = 0, c = 0;
    if (!(is >> a)) return is;
    if (is.eof()) {
        x = safeReel(is, a, 0, 0, 1);
        return is;
    }
    char ch = 0;
    if (!is.get(ch) || !isSeparator(ch) || is.eof()) {
        x = safeReel(is, a, 0, 0, 1);
        return is;
    }
    if (!(is >> b)) {
        // A separator without a number after it: keep what was read.
        x = safeReel(is, a, 0, 0, 1);
        return is;
    }
    if (is.eof()) {
        x = safeReel(is, a, b, 0, 2);
        return is;
    }
    if (!is.get(ch) || !isSeparator(ch) || is.eof()) {
        x = safeReel(is, a, b, 0, 2);
        return is;
    }
    if (!(is >> c)) {
        x = safeReel(is, a, b, 0, 2);
        return is;
    }
    x = safeReel(is, a, b, c, 3);
    return is;
}

std::string cellText(const reel& x) {
    std::ostringstream os;
    os << x;
    std::string s = os.str();
    for (char& ch : s)
        if (ch == '/') ch = ',';
    return s;
}

reel reelFromCellText(std::string_view text) {
    if (text.empty()) return reel();
    if (text.back() == ',') text.remove_suffix(1);
    std::istringstream is{std::string(text)};
    reel x;
    is >> x;
    return x;
}

bool cellTextReadsWhole(std::string_view text) {
    if (text.empty()) return true;
    if (text.back() == ',') text.remove_suffix(1);
    const char* at = text.data();
    const char* const end = at + text.size();
    int count = 0;
    std::int32_t last = 0;
    for (;;) {
        const auto [next, error] = std::from_chars(at, end, last);
        if (error != std::errc() || ++count > 3) return false;
        if (next == end) break;
        if (!isSeparator(*next)) return false;
        at = next + 1;
    }
    if (count > 1 && last == 0) return false;
    // The fields fit, but the fraction may not (-2147483648, 2147483647,3,2).
    std::istringstream is{std::string(text)};
    reel x;
    return !(is >> x).fail();
}

std::string decimalText(std::int32_t a, std::int32_t b, std::int32_t c) {
    // a*b + c < 2^62 + 2^31, so 64 unsigned bits hold it exactly.
    std::uint64_t v = std::uint64_t(std::uint32_t(a)) * std::uint32_t(b) + std::uint32_t(c);
    return std::to_string(v);
}

std::string displayText(const reel& x, bool mixed) {
    const std::int64_t w = x.whole, n = x.num, d = x.den;
    auto s = [](std::int64_t v) { return std::to_string(v); };
    if (w == 0 && n == 0) return "0,,";
    if (w == 0) return (n < 0 ? "-," : ",") + s(n < 0 ? -n : n) + "," + s(d);
    if (n == 0) return s(w) + ",,";
    if (mixed) return s(w) + "," + s(n < 0 ? -n : n) + "," + s(d);
    return (n < 0 ? "-," : ",") +
           decimalText(std::int32_t(w < 0 ? -w : w), x.den, std::int32_t(n < 0 ? -n : n)) + "," +
           s(d);
}
