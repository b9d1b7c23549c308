// The hand-picked cases of the number layer, rows of tests/data. Fractions
// are written as their fields "whole num/den" ("-3 -1/2", "7"); given values
// go through the constructors as "n", "n/d" or "w n/d", after "raw" as fields.
#include <cstdio>
#include <iomanip>
#include <sstream>

#include "reeltext.h"
#include "rowfile.h"

namespace {

std::int32_t integer(const std::string& w) { return std::int32_t(std::stoll(w)); }
bool isFraction(const std::string& w) { return w.size() > 1 && w.find('/') != std::string::npos; }

// The value from word i on; i moves past it.
reel value(const std::vector<std::string>& w, std::size_t& i, bool raw = false) {
    std::int32_t whole = 0, n = 0, d = 1;
    const bool hasWhole = !isFraction(w[i]);
    if (hasWhole) whole = integer(w[i++]);
    const bool hasFraction = i < w.size() && isFraction(w[i]);
    if (hasFraction) std::sscanf(w[i++].c_str(), "%d/%d", &n, &d);
    if (raw) return reel::raw(whole, n, d);
    return !hasFraction ? reel(whole) : hasWhole ? reel(whole, n, d) : reel(n, d);
}

std::string fields(const reel& r) {
    std::string s = std::to_string(r.whole);
    if (r.num != 0 || r.den != 1) s += " " + std::to_string(r.num) + "/" + std::to_string(r.den);
    return r.isNormal() ? s : s + " not normal";
}

// Texts are quoted, a tab written as \t.
std::string quoted(const std::string& s) { return "\"" + escaped(s) + "\""; }

// Checked integers "a op b", fractions "a op b" and "op a", reading and the
// text forms; "overflow" when mylongint::overflow comes.
std::string run(const Row& row) try {
    std::vector<std::string> w;
    std::istringstream in(row.given);
    for (std::string word; in >> word;) w.push_back(word);
    std::size_t i = 0;
    std::ostringstream os;
    if (row.file == "ganzzahl_grenzen.txt") {
        const std::int32_t a = integer(w[0]), b = integer(w[2]);
        return std::to_string(w[1] == "+"   ? mylongint::add(a, b)
                              : w[1] == "-" ? mylongint::sub(a, b)
                              : w[1] == "*" ? mylongint::mul(a, b)
                                            : gcd(a, b));
    }
    if (row.file == "bruch_lesen.txt") {
        std::istringstream is(unescaped(row.given.substr(1, row.given.size() - 2)));
        reel x(9, 9, 10); // must be replaced, whatever the text
        is >> x;
        const std::string out = fields(x) + (is.fail() ? " failed" : "");
        is.clear();
        const std::string rest(std::istreambuf_iterator<char>(is), {});
        return rest.empty() ? out : out + " rest " + quoted(rest);
    }
    if (w[0] == "width") {
        os << std::setw(integer(w[1])) << value(w, i = 2) << '|';
        return quoted(os.str());
    }
    if (row.file == "bruch_text.txt") {
        const reel x = value(w, i);
        os << x << " | " << cellText(x) << " | " << displayText(x, true) << " | "
           << displayText(x, false);
        return os.str();
    }
    const std::string op = w[0];
    if (op == "raw" || op == "reciprocal" || op == "neg" || op == "abs" || op == "sign") {
        const reel x = value(w, ++i, op == "raw");
        if (op == "sign") return std::to_string(x.sign());
        return fields(op == "reciprocal" ? reciprocal(x)
                      : op == "neg"      ? -x
                      : op == "abs"      ? abs(x)
                                         : x);
    }
    const reel a = value(w, i);
    if (i == w.size()) return fields(a);
    const std::string& o = w[i++];
    const reel b = value(w, i);
    if (o == "+" || o == "-" || o == "*" || o == "/")
        return fields(o == "+" ? a + b : o == "-" ? a - b : o == "*" ? a * b : a / b);
    const bool t = o == "<"    ? a < b
                   : o == ">"  ? a > b
                   : o == "<=" ? a <= b
                   : o == ">=" ? a >= b
                               : a == b;
    return t ? "true" : "false";
} catch (const mylongint::overflow&) {
    return "overflow";
}

} // namespace

LINEON_ROW_TESTS(run, "ganzzahl_grenzen.txt", "bruch_bilden.txt", "bruch_kehrwert.txt",
                 "bruch_grenzen.txt", "bruch_text.txt", "bruch_lesen.txt");
