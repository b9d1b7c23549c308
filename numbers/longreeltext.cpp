#include "longreeltext.h"

#include <cctype>
#include <istream>
#include <ostream>
#include <sstream>

namespace {
bool isSeparator(int ch) { return ch == '/' || ch == ','; }

// One integer as `is >> int` reads it (blanks skipped, an optional sign,
// digits), of any length up to the limit. False, with the stream failed, when
// there is none.
bool readInteger(std::istream& is, fmpz_t out) {
    const std::istream::sentry blanksSkipped(is);
    if (!blanksSkipped) return false;
    std::string digits;
    const int first = is.peek();
    if (first == '+' || first == '-') digits += char(is.get());
    // Up to 18 digits the value builds in 64 bits, without the text.
    std::int64_t value = 0;
    while (std::isdigit(is.peek())) {
        const char digit = char(is.get());
        digits += digit;
        value = value * 10 + (digit - '0');
        if (digits.size() > longreelMaxDigits + 1 || digits.size() > 17) break;
    }
    // A look past the end would fail the stream: eof() first.
    const auto more = [&is] { return !is.eof() && std::isdigit(is.peek()); };
    if (!more() && !digits.empty() && std::isdigit(digits.back())) {
        fmpz_set_si(out, digits[0] == '-' ? -value : value);
        return true;
    }
    while (more()) {
        digits += char(is.get());
        if (digits.size() > longreelMaxDigits + 1) break;
    }
    const bool none = digits.empty() || !std::isdigit(static_cast<unsigned char>(digits.back()));
    if (none ||
        digits.size() - !std::isdigit(static_cast<unsigned char>(digits[0])) > longreelMaxDigits) {
        is.setstate(std::ios::failbit);
        return false;
    }
    fmpz_set_str(out, digits[0] == '+' ? digits.c_str() + 1 : digits.c_str(), 10);
    return true;
}

// w n/d of count integers, as reel's constructors take them.
longreel valueOf(const longint& w, const longint& n, const longint& d, int count) {
    if (count == 1) {
        longreel x;
        fmpz_set(fmpq_numref(x.get()), w);
        return x;
    }
    longint zero;
    if (count == 2) return longreel::fromParts(zero, w, n);
    return longreel::fromParts(w, n, d);
}

std::string mixedText(const longreel& x, char separator) {
    longint w, n, d;
    x.mixedParts(w, n, d);
    if (fmpz_is_zero(n)) return decimalText(w);
    if (fmpz_is_zero(w)) return decimalText(n) + separator + decimalText(d);
    fmpz_abs(n, n);
    return decimalText(w) + separator + decimalText(n) + separator + decimalText(d);
}
} // namespace

std::ostream& operator<<(std::ostream& os, const longreel& x) { return os << mixedText(x, '/'); }

std::istream& operator>>(std::istream& is, longreel& x) {
    // The same course as the reader of reel, integer by integer.
    x = longreel();
    if (is.eof()) return is;
    longint a, b, c;
    if (!readInteger(is, a)) return is;
    int count = 1;
    char ch = 0;
    if (!is.eof() && is.get(ch) && isSeparator(ch) && !is.eof()) {
        if (readInteger(is, b)) {
            count = 2;
            if (!is.eof() && is.get(ch) && isSeparator(ch) && !is.eof() && readInteger(is, c))
                count = 3;
        }
    }
    x = valueOf(a, b, c, count);
    return is;
}

std::string cellText(const longreel& x) { return mixedText(x, ','); }

longreel longreelFromCellText(std::string_view text) {
    if (text.empty()) return longreel();
    if (text.back() == ',') text.remove_suffix(1);
    std::istringstream is{std::string(text)};
    longreel x;
    is >> x;
    return x;
}

bool longCellTextReadsWhole(std::string_view text) {
    if (text.empty()) return true;
    if (text.back() == ',') text.remove_suffix(1);
    int count = 0;
    std::size_t at = 0;
    bool lastIsZero = false;
    for (;;) {
        std::size_t i = at;
        if (i < text.size() && text[i] == '-') ++i;
        const std::size_t digitsStart = i;
        lastIsZero = true;
        for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
            lastIsZero = lastIsZero && text[i] == '0';
        const std::size_t digits = i - digitsStart;
        if (digits == 0 || digits > longreelMaxDigits || ++count > 3) return false;
        if (i == text.size()) break;
        if (!isSeparator(text[i])) return false;
        at = i + 1;
    }
    return count == 1 || !lastIsZero;
}

std::string displayText(const longreel& x, bool mixed) {
    longint w, n, d;
    x.mixedParts(w, n, d);
    const bool negative = x.sign() < 0;
    if (x.sign() == 0) return "0,,";
    if (fmpz_is_zero(n)) return decimalText(w) + ",,";
    if (mixed && !fmpz_is_zero(w)) {
        fmpz_abs(n, n);
        return decimalText(w) + "," + decimalText(n) + "," + decimalText(d);
    }
    longint improper;
    fmpz_abs(improper, fmpq_numref(x.get()));
    return (negative ? "-," : ",") + decimalText(improper) + "," + decimalText(d);
}
