#include "stepnote.h"

#include <charconv>
#include <cstdio>
#include <string_view>

#include "entry.h"
#include "longreeltext.h"
#include "reeltext.h"

namespace {

// "whole,numerator,denominator" of an improper display text to "-7/2"; an
// integer has no fraction fields ("-3" or "-3,").
std::string improperText(const std::string& display) {
    const std::size_t first = display.find(',');
    const std::string whole = display.substr(0, first);
    const std::size_t second = first == std::string::npos ? first : display.find(',', first + 1);
    if (second == std::string::npos || second == first + 1) return whole.empty() ? "0" : whole;
    return whole + display.substr(first + 1, second - first - 1) + "/" + display.substr(second + 1);
}

// The minus sign as it is printed, not the hyphen.
constexpr std::string_view minus = "\u2212";

// A kept number as it reads in a line: a true minus, doubles to six places.
std::string shown(std::string_view text) {
    std::string s(text);
    if (s.find_first_of(".eEin") != std::string::npos) {
        double v = 0;
        std::from_chars(s.data(), s.data() + s.size(), v);
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.6g", v);
        s = buffer;
    }
    if (!s.empty() && s[0] == '-') s.replace(0, 1, minus);
    return s;
}

bool negative(std::string_view text) { return !text.empty() && text[0] == '-'; }

std::string rowName(std::int32_t r) { return "Z" + std::to_string(std::int64_t(r) + 1); }

} // namespace

std::string noteNumber(const reel& x) { return improperText(displayText(x, false)); }
std::string noteNumber(const longreel& x) { return improperText(displayText(x, false)); }

std::string noteNumber(double x) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, x).ptr;
    return std::string(buffer, end);
}

std::string noteNumber(const NoteNumber& x) {
    return std::visit([](const auto& v) { return noteNumber(v); }, x);
}

// Fractions through long fractions: a quotient of two 32-bit fractions need
// not fit 32 bits.
std::string RowOperation::factorText() const {
    if (const auto* a = std::get_if<double>(&numerator))
        return noteNumber(*a / std::get<double>(denominator));
    const auto exact = [](const NoteNumber& x) {
        if (const auto* r = std::get_if<reel>(&x)) return longreel(*r);
        return std::get<longreel>(x);
    };
    return noteNumber(exact(numerator) / exact(denominator));
}

std::vector<RowOperation> StepNote::operations() const {
    std::vector<RowOperation> ops;
    if (method == Method::None) return ops;
    using Kind = RowOperation::Kind;
    if (exchangedWith >= 0 && exchangedWith != pivotRow)
        ops.push_back({Kind::Swap, pivotRow, exchangedWith});
    const bool jordan = method == Method::GaussJordan;
    std::visit(
        [&](const auto& column) {
            using T = typename std::decay_t<decltype(column)>::value_type;
            const T& p = std::get<T>(pivotValue);
            if (jordan && !entryIsOne(p)) ops.push_back({Kind::Scale, pivotRow, pivotRow, T(1), p});
            for (std::size_t i = 0; i < column.size(); ++i)
                if (entrySign(column[i]) != 0)
                    ops.push_back({Kind::Subtract, std::int32_t(i), pivotRow, column[i],
                                   jordan ? NoteNumber(T(1)) : NoteNumber(p)});
        },
        cleared);
    return ops;
}

std::vector<std::string> noteLines(const StepNote& note) {
    std::vector<std::string> lines;
    if (note.pivotRow >= 0)
        lines.push_back("Pivot (" + std::to_string(std::int64_t(note.pivotRow) + 1) + "," +
                        std::to_string(std::int64_t(note.pivotColumn) + 1) + ")");
    for (const RowOperation& op : note.operations()) {
        const std::string row = rowName(op.row);
        switch (op.kind) {
        case RowOperation::Kind::Swap: lines.push_back(row + " \u2194 " + rowName(op.other)); break;
        case RowOperation::Kind::Scale:
            lines.push_back(row + " := " + shown(op.factorText()) + " \u00b7 " + row);
            break;
        case RowOperation::Kind::Subtract: {
            const std::string factor = op.factorText();
            const bool plus = negative(factor);
            const std::string f = shown(plus ? std::string_view(factor).substr(1) : factor);
            lines.push_back(row + " := " + row + (plus ? " + " : " " + std::string(minus) + " ") +
                            (f == "1" ? "" : f + " \u00b7 ") + rowName(op.other));
            break;
        }
        }
    }
    if (note.exchange) {
        const std::string entering =
            note.enteringForm < 0
                ? "x" + std::to_string(std::int64_t(note.pivotColumn) + 1)
                : "Schlupf von Zeile " + std::to_string(std::int64_t(note.enteringForm) + 1);
        lines.push_back(entering + " tritt ein, Zeile " +
                        std::to_string(std::int64_t(note.pivotRow) + 1) + " verlässt");
        lines.push_back("Zielwert: " + shown(noteNumber(note.objective)));
    }
    return lines;
}

std::size_t noteLineCount(const StepNote& note) {
    std::size_t n = (note.pivotRow >= 0 ? 1 : 0) + (note.exchange ? 2 : 0);
    if (note.method == StepNote::Method::None) return n;
    n += note.exchangedWith >= 0 && note.exchangedWith != note.pivotRow;
    std::visit(
        [&](const auto& column) {
            using T = typename std::decay_t<decltype(column)>::value_type;
            if (note.method == StepNote::Method::GaussJordan &&
                !entryIsOne(std::get<T>(note.pivotValue)))
                ++n;
            for (const T& f : column) n += entrySign(f) != 0;
        },
        note.cleared);
    return n;
}
