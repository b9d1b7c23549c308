#include "tablereader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <utility>

#include "longreeltext.h"
#include "matrixfloat.h"
#include "matrixlong.h"
#include "matrixreel.h"
#include "stringtable.h"

namespace {

// The field with blanks around it removed and the typographic characters
// replaced by their plain forms; "" when it holds something else outside
// ASCII (which no number does).
std::string plain(std::string_view field, bool& foreign) {
    struct Mapping {
        std::string_view from, to;
    };
    static constexpr Mapping mappings[] = {
        {"\u2044", "/"}, {"\u2215", "/"}, {"\u2212", "-"}, {"\u00a0", " "}, {"\u202f", " "},
    };
    std::string s;
    foreign = false;
    for (std::size_t i = 0; i < field.size();) {
        const unsigned char ch = static_cast<unsigned char>(field[i]);
        if (ch < 0x80) {
            s += ch == '\t' || ch == '\r' || ch == '\n' ? ' ' : char(ch);
            ++i;
            continue;
        }
        bool mapped = false;
        for (const Mapping& m : mappings)
            if (field.substr(i, m.from.size()) == m.from) {
                s += m.to;
                i += m.from.size();
                mapped = true;
                break;
            }
        if (!mapped) {
            foreign = true;
            return {};
        }
    }
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// A run of digits: its text, and its value as a non-negative number, which
// stays at the largest 64-bit value once it has more than 18 digits. False
// when there is none.
bool digits(std::string_view s, std::size_t& i, std::int64_t& value, std::string& text) {
    value = 0;
    text.clear();
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        value = text.size() < 18 ? value * 10 + (s[i] - '0') : INT64_MAX;
        text += s[i];
        ++i;
    }
    return !text.empty();
}

constexpr std::int64_t maxComponent = 2147483647;

// The number a field spells, in the form it has.
struct Parsed {
    enum Form { Integer, Fraction, Mixed, Decimal } form = Integer;
    bool negative = false;
    std::int64_t whole = 0, num = 0, den = 1;
    std::string wholeDigits, numDigits, denDigits = "1";
    // Decimal: mantissa digits (leading zeros dropped), the count of digits
    // after the separator, the exponent, and the text for the double reader.
    std::string mantissa;
    int fractionDigits = 0;
    long exponent = 0;
    std::string decimalText;
};

bool parse(std::string_view s, Parsed& p) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) p.negative = s[i++] == '-';
    const std::size_t start = i;
    std::int64_t a = 0;
    std::string aDigits;
    const bool leading = digits(s, i, a, aDigits);
    if (leading && i == s.size()) {
        p.form = Parsed::Integer;
        p.whole = a;
        p.wholeDigits = aDigits;
        return true;
    }
    if (leading && s[i] == '/') {
        ++i;
        if (!digits(s, i, p.den, p.denDigits) || i != s.size()) return false;
        p.form = Parsed::Fraction;
        p.num = a;
        p.numDigits = aDigits;
        return true;
    }
    if (leading && s[i] == ' ') {
        while (i < s.size() && s[i] == ' ') ++i;
        if (!digits(s, i, p.num, p.numDigits) || i == s.size() || s[i] != '/') return false;
        ++i;
        if (!digits(s, i, p.den, p.denDigits) || i != s.size()) return false;
        p.form = Parsed::Mixed;
        p.whole = a;
        p.wholeDigits = aDigits;
        return true;
    }
    // A decimal: digits, a separator, digits (at least one digit in all), an
    // optional exponent.
    i = start;
    std::string intPart, fracPart;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') intPart += s[i++];
    if (i < s.size() && (s[i] == ',' || s[i] == '.')) {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') fracPart += s[i++];
    }
    if (intPart.empty() && fracPart.empty()) return false;
    long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < s.size() && (s[i] == '-' || s[i] == '+')) negativeExponent = s[i++] == '-';
        std::int64_t e = 0;
        std::string eDigits;
        if (!digits(s, i, e, eDigits) || e > 100000) return false;
        exponent = negativeExponent ? -long(e) : long(e);
    }
    if (i != s.size()) return false;
    p.form = Parsed::Decimal;
    p.mantissa = intPart + fracPart;
    p.mantissa.erase(0, std::min(p.mantissa.find_first_not_of('0'), p.mantissa.size()));
    p.fractionDigits = int(fracPart.size());
    p.exponent = exponent;
    p.decimalText = (p.negative ? "-" : "") + (intPart.empty() ? "0" : intPart) + "." +
                    (fracPart.empty() ? "0" : fracPart) + "e" + std::to_string(exponent);
    return true;
}

// The exact value of a decimal: mantissa / 10^scale.
TableReader::Status exactDecimal(const Parsed& p, reel& out) {
    std::string m = p.mantissa;
    long scale = long(p.fractionDigits) - p.exponent;
    // Trailing zeros of the mantissa only scale it.
    while (scale > 0 && !m.empty() && m.back() == '0') {
        m.pop_back();
        --scale;
    }
    if (m.empty()) {
        out = reel();
        return TableReader::Status::Ok;
    }
    if (scale < 0) {
        if (long(m.size()) - scale > 10) return TableReader::Status::NotExact;
        m.append(std::size_t(-scale), '0');
        scale = 0;
    }
    if (m.size() > 18 || scale > 18) return TableReader::Status::NotExact;
    std::int64_t mantissa = std::stoll(m), den = 1;
    for (long k = 0; k < scale; ++k) den *= 10;
    const std::int64_t g = std::gcd(mantissa, den);
    mantissa /= g;
    den /= g;
    const std::int64_t whole = mantissa / den, rest = mantissa % den;
    if (whole > maxComponent || den > maxComponent) return TableReader::Status::NotExact;
    const reel x{std::int32_t(whole), std::int32_t(rest), std::int32_t(den)};
    out = p.negative ? -x : x;
    return TableReader::Status::Ok;
}

template <class T>
bool readTable(std::string_view text, matrix<T>& out, std::string& error,
               TableReader::Status (*value)(std::string_view, T&)) {
    const TableReader::Fields fields = TableReader::split(text);
    std::size_t cols = 0;
    for (const auto& row : fields) cols = std::max(cols, row.size());
    if (fields.empty() || cols == 0) {
        error = strings::load(strings::NoNumbers);
        return false;
    }
    if (fields.size() > std::size_t(TableReader::maxSize) ||
        cols > std::size_t(TableReader::maxSize)) {
        error =
            strings::format(strings::TableTooLarge, fields.size(), cols, int(TableReader::maxSize));
        return false;
    }
    matrix<T> m(std::int32_t(fields.size()), std::int32_t(cols));
    for (std::size_t r = 0; r < fields.size(); ++r)
        for (std::size_t c = 0; c < fields[r].size(); ++c) {
            const TableReader::Status status = value(fields[r][c], m.at(int(r), int(c)));
            if (status == TableReader::Status::Ok) continue;
            error = strings::format(strings::FieldAt, r + 1, c + 1) + "\"" + fields[r][c] + "\" " +
                    strings::load(status == TableReader::Status::NotExact ? strings::FieldNotExact
                                                                          : strings::FieldNoNumber);
            return false;
        }
    m.prot = out.prot;
    out = m;
    return true;
}

} // namespace

TableReader::Fields TableReader::split(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3); // byte order mark
    const char separator = text.find('\t') != std::string_view::npos  ? '\t'
                           : text.find(';') != std::string_view::npos ? ';'
                                                                      : '\n';
    Fields rows;
    std::vector<std::string> row;
    std::string field;
    bool quoted = false, any = false;
    auto endField = [&] {
        row.push_back(field);
        field.clear();
    };
    auto endRow = [&] {
        endField();
        rows.push_back(std::move(row));
        row.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        any = true;
        if (quoted) {
            if (ch != '"')
                field += ch;
            else if (i + 1 < text.size() && text[i + 1] == '"')
                field += text[++i];
            else
                quoted = false;
        } else if (ch == '"' && field.find_first_not_of(' ') == std::string::npos) {
            field.clear();
            quoted = true;
        } else if (ch == separator && separator != '\n') {
            endField();
        } else if (ch == '\n') {
            if (!field.empty() && field.back() == '\r') field.pop_back();
            endRow();
            any = false;
        } else {
            field += ch;
        }
    }
    if (any) endRow();
    // Empty lines at the end (a final line end, a blank line) are no rows.
    while (!rows.empty() && rows.back().size() == 1 &&
           rows.back()[0].find_first_not_of(" \r") == std::string::npos)
        rows.pop_back();
    return rows;
}

TableReader::Status TableReader::exactValue(std::string_view field, reel& out) {
    bool foreign = false;
    const std::string s = plain(field, foreign);
    out = reel();
    if (foreign) return Status::NotANumber;
    if (s.empty()) return Status::Ok;
    Parsed p;
    if (!parse(s, p)) return Status::NotANumber;
    if (p.form == Parsed::Decimal) return exactDecimal(p, out);
    if (p.whole > maxComponent || p.num > maxComponent || p.den > maxComponent)
        return Status::NotExact;
    if (p.den == 0) return Status::NotANumber;
    try {
        reel x = p.form == Parsed::Integer ? reel(std::int32_t(p.whole))
                 : p.form == Parsed::Fraction
                     ? reel(std::int32_t(p.num), std::int32_t(p.den))
                     : reel(std::int32_t(p.whole), std::int32_t(p.num), std::int32_t(p.den));
        out = p.negative ? -x : x;
    } catch (const mylongint::overflow&) {
        return Status::NotExact; // an improper part that pushes the whole beyond 32 bits
    }
    return Status::Ok;
}

TableReader::Status TableReader::longValue(std::string_view field, longreel& out) {
    bool foreign = false;
    const std::string s = plain(field, foreign);
    out = longreel();
    if (foreign) return Status::NotANumber;
    if (s.empty()) return Status::Ok;
    Parsed p;
    if (!parse(s, p)) return Status::NotANumber;
    const auto set = [](fmpz_t to, const std::string& text) {
        if (!text.empty()) fmpz_set_str(to, text.c_str(), 10);
    };
    if (p.form == Parsed::Decimal) {
        // mantissa / 10^scale, refused when either side gets too long.
        const long scale = long(p.fractionDigits) - p.exponent;
        if (p.mantissa.empty()) return Status::Ok;
        const long longest = long(longreelMaxDigits);
        if (std::labs(scale) > longest || long(p.mantissa.size()) - std::min(scale, 0L) > longest)
            return Status::NotExact;
        longint power;
        fmpz_set_ui(power, 10);
        fmpz_pow_ui(power, power, ulong(std::labs(scale)));
        longint mantissa;
        set(mantissa, p.mantissa);
        longint den;
        fmpz_one(den);
        if (scale < 0) fmpz_mul(mantissa, mantissa, power);
        if (scale > 0) fmpz_swap(den, power);
        fmpq_set_fmpz_frac(out.get(), mantissa, den);
    } else {
        if (p.den == 0) return Status::NotANumber;
        if (std::max({p.wholeDigits.size(), p.numDigits.size(), p.denDigits.size()}) >
            longreelMaxDigits)
            return Status::NotExact;
        longint w, n, d;
        set(w, p.wholeDigits);
        set(n, p.numDigits);
        set(d, p.denDigits);
        out = longreel::fromParts(w, n, d);
    }
    if (p.negative) out = -out;
    return Status::Ok;
}

TableReader::Status TableReader::floatValue(std::string_view field, double& out) {
    bool foreign = false;
    const std::string s = plain(field, foreign);
    out = 0.0;
    if (foreign) return Status::NotANumber;
    if (s.empty()) return Status::Ok;
    Parsed p;
    if (!parse(s, p)) return Status::NotANumber;
    double v = 0.0;
    if (p.form == Parsed::Decimal) {
        const char* end = p.decimalText.data() + p.decimalText.size();
        const auto res = std::from_chars(p.decimalText.data(), end, v);
        if (res.ec != std::errc() || res.ptr != end) return Status::NotANumber;
    } else {
        if (p.den == 0) return Status::NotANumber;
        // Each part correctly rounded from its digits, also beyond 18 of them.
        const auto part = [](const std::string& text) {
            double x = 0.0;
            if (!text.empty() && std::from_chars(text.data(), text.data() + text.size(), x).ec ==
                                     std::errc::result_out_of_range)
                x = HUGE_VAL;
            return x;
        };
        v = part(p.wholeDigits) + part(p.numDigits) / part(p.denDigits);
        if (p.negative) v = -v;
    }
    if (!std::isfinite(v)) return Status::NotANumber;
    out = v;
    return Status::Ok;
}

bool TableReader::read(std::string_view text, matrix<reel>& out, std::string& error) {
    return readTable<reel>(text, out, error, &TableReader::exactValue);
}

bool TableReader::read(std::string_view text, matrix<longreel>& out, std::string& error) {
    return readTable<longreel>(text, out, error, &TableReader::longValue);
}

bool TableReader::read(std::string_view text, matrix<double>& out, std::string& error) {
    return readTable<double>(text, out, error, &TableReader::floatValue);
}

namespace {
// Exact beyond 32 bits for integers and fractions; a decimal too fine for a
// 32-bit fraction is taken for a measured value, and the table for doubles.
TableReader::Status wideValue(std::string_view field, longreel& out) {
    reel x;
    const TableReader::Status status = TableReader::exactValue(field, x);
    if (status == TableReader::Status::Ok) out = longreel(x);
    if (status != TableReader::Status::NotExact) return status;
    bool foreign = false;
    Parsed p;
    if (parse(plain(field, foreign), p) && p.form == Parsed::Decimal) return status;
    return TableReader::longValue(field, out);
}
} // namespace

std::unique_ptr<MatrixObject> TableReader::readDocument(std::string_view text, protstream* p,
                                                        std::string& error) {
    matrix<reel> exact;
    if (read(text, exact, error)) {
        auto doc = std::make_unique<MatrixReel>(std::move(exact));
        doc->prot = p;
        return doc;
    }
    // Exact, but beyond 32 bits: long fractions.
    matrix<longreel> longs;
    std::string longError;
    if (readTable<longreel>(text, longs, longError, &wideValue)) {
        error.clear();
        auto doc = std::make_unique<MatrixLong>(std::move(longs));
        doc->prot = p;
        return doc;
    }
    matrix<double> floats;
    std::string floatError;
    if (!read(text, floats, floatError)) {
        // Tell what is wrong for doubles: a value too fine for a fraction is no fault there.
        error = floatError;
        return nullptr;
    }
    error.clear();
    auto doc = std::make_unique<MatrixFloat>(std::move(floats));
    doc->prot = p;
    return doc;
}
