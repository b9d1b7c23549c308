#include "tablewriter.h"

#include <charconv>
#include <cmath>

namespace {

const char* const fractionSlash = "\u2044";

std::string text(const reel& x, const TableWriter::Options&) { return TableWriter::exactText(x); }
std::string text(const longreel& x, const TableWriter::Options&) {
    return TableWriter::exactText(x);
}
std::string text(double v, const TableWriter::Options& o) { return TableWriter::floatText(v, o); }

template <class T>
std::string separated(const matrix<T>& m, const TableWriter::Options& o, char separator,
                      const char* lineEnd) {
    std::string out;
    for (int r = 0; r < m.rows(); ++r) {
        for (int c = 0; c < m.cols(); ++c) {
            if (c > 0) out += separator;
            out += text(m.at(r, c), o);
        }
        out += lineEnd;
    }
    return out;
}

// The value of a cell that is a number to a spreadsheet, "." as decimal point.
bool numericValue(const reel& x, std::string& value) {
    if (x.num != 0) return false;
    value = std::to_string(x.whole);
    return true;
}
bool numericValue(const longreel& x, std::string& value) {
    if (!fmpz_is_one(fmpq_denref(x.get()))) return false;
    value = decimalText(fmpq_numref(x.get()));
    return true;
}
bool numericValue(double v, std::string& value) {
    value = TableWriter::floatText(v, TableWriter::Options{});
    return true;
}

template <class T> std::string table(const matrix<T>& m, const TableWriter::Options& o) {
    std::string out = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"></head><body>\n"
                      "<table>\n";
    for (int r = 0; r < m.rows(); ++r) {
        out += "<tr>";
        for (int c = 0; c < m.cols(); ++c) {
            std::string value;
            if (numericValue(m.at(r, c), value))
                out += "<td sdval=\"" + value + "\">";
            else
                out += "<td>";
            out += text(m.at(r, c), o) + "</td>";
        }
        out += "</tr>\n";
    }
    out += "</table>\n</body></html>\n";
    return out;
}

} // namespace

std::string TableWriter::exactText(const reel& x) {
    if (x.num == 0) return std::to_string(x.whole);
    const long long n = x.num < 0 ? -(long long)x.num : x.num;
    std::string s = x.sign() < 0 ? "-" : "";
    if (x.whole != 0) s += std::to_string(x.whole < 0 ? -(long long)x.whole : x.whole) + " ";
    return s + std::to_string(n) + fractionSlash + std::to_string(x.den);
}

std::string TableWriter::exactText(const longreel& x) {
    longint w, n, d;
    x.mixedParts(w, n, d);
    if (fmpz_is_zero(n)) return decimalText(w);
    fmpz_abs(w, w);
    fmpz_abs(n, n);
    std::string s = x.sign() < 0 ? "-" : "";
    if (!fmpz_is_zero(w)) s += decimalText(w) + " ";
    return s + decimalText(n) + fractionSlash + decimalText(d);
}

std::string TableWriter::floatText(double v, const Options& o) {
    if (v == 0.0) return "0"; // also -0.0, which equals 0 when read back
    // Plain decimals where they stay short, since spreadsheets may leave a
    // number with an exponent as text; the shortest digits that read back to
    // the same double either way.
    const double a = std::fabs(v);
    const auto format =
        a >= 1e-6 && a < 1e16 ? std::chars_format::fixed : std::chars_format::scientific;
    char buffer[400];
    const auto res = std::to_chars(buffer, buffer + sizeof buffer, v, format);
    std::string s(buffer, res.ptr);
    if (o.decimalComma)
        for (char& ch : s)
            if (ch == '.') ch = ',';
    return s;
}

template <class T> std::string TableWriter::tsv(const matrix<T>& m, const Options& o) {
    return separated(m, o, '\t', "\n");
}
template <class T> std::string TableWriter::csv(const matrix<T>& m, const Options& o) {
    return separated(m, o, ';', "\r\n");
}
template <class T> std::string TableWriter::html(const matrix<T>& m, const Options& o) {
    return table(m, o);
}

#define LINEON_INSTANTIATE(T)                                                                      \
    template std::string TableWriter::tsv(const matrix<T>&, const Options&);                       \
    template std::string TableWriter::csv(const matrix<T>&, const Options&);                       \
    template std::string TableWriter::html(const matrix<T>&, const Options&);
LINEON_INSTANTIATE(reel)
LINEON_INSTANTIATE(longreel)
LINEON_INSTANTIATE(double)
