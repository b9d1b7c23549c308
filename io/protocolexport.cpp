#include "protocolexport.h"

#include <algorithm>

#include "protmatrix.h"
#include "protstream.h"
#include "protstring.h"
#include "visitkind.h"

namespace {

using Number = ProtocolExport::Number;

Number number(const reel& x, const FloatFormat&) {
    Number n;
    n.negative = x.sign() < 0;
    const long long w = x.whole < 0 ? -(long long)x.whole : x.whole;
    const long long f = x.num < 0 ? -(long long)x.num : x.num;
    if (w != 0 || f == 0) n.whole = std::to_string(w);
    if (f != 0) {
        n.num = std::to_string(f);
        n.den = std::to_string(x.den);
    }
    return n;
}

Number number(const longreel& x, const FloatFormat&) {
    Number n;
    n.negative = x.sign() < 0;
    longint w, f, d;
    x.mixedParts(w, f, d);
    fmpz_abs(w, w);
    fmpz_abs(f, f);
    if (!fmpz_is_zero(w) || fmpz_is_zero(f)) n.whole = decimalText(w);
    if (!fmpz_is_zero(f)) {
        n.num = decimalText(f);
        n.den = decimalText(d);
    }
    return n;
}

Number number(double v, const FloatFormat& format) {
    Number n;
    std::string s = format.text(v);
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        n.negative = s[0] == '-';
        if (s[0] == '+') n.whole = "+"; // showpos: the plus stays visible
        s.erase(0, 1);
    }
    const auto e = s.find_first_of("eE");
    n.mantissa = s.substr(0, e);
    if (e != std::string::npos) {
        std::string exponent = s.substr(e + 1);
        const bool minus = !exponent.empty() && exponent[0] == '-';
        if (!exponent.empty() && (exponent[0] == '-' || exponent[0] == '+')) exponent.erase(0, 1);
        exponent.erase(0, std::min(exponent.find_first_not_of('0'), exponent.size() - 1));
        n.exponent = (minus ? "-" : "") + exponent;
    }
    return n;
}

// The entries of a snapshot, row by row.
std::vector<std::vector<Number>> entries(const MatrixObject& m, const FloatFormat& format) {
    std::vector<std::vector<Number>> rows(std::size_t(std::max(m.rows(), 0)));
    withMatrix(m, [&](const auto& doc) {
        for (int r = 0; r < m.rows(); ++r)
            for (int c = 0; c < m.cols(); ++c)
                rows[std::size_t(r)].push_back(number(doc.at(r, c), format));
    });
    return rows;
}

// --- LaTeX -------------------------------------------------------------------

std::string latexText(const std::string& text) {
    std::string out;
    for (char ch : text) {
        switch (ch) {
        case '\\': out += "\\textbackslash{}"; break;
        case '{':
        case '}':
        case '#':
        case '$':
        case '%':
        case '&':
        case '_':
            out += '\\';
            out += ch;
            break;
        case '~': out += "\\textasciitilde{}"; break;
        case '^': out += "\\textasciicircum{}"; break;
        case '\t': out += ' '; break;
        default: out += ch;
        }
    }
    return out;
}

std::string latexNumber(const Number& n) {
    std::string s = n.negative ? "-" : "";
    if (!n.mantissa.empty()) {
        s += n.whole + n.mantissa;
        if (!n.exponent.empty()) s += " \\cdot 10^{" + n.exponent + "}";
        return s;
    }
    s += n.whole;
    if (!n.num.empty()) s += "\\frac{" + n.num + "}{" + n.den + "}";
    return s;
}

// --- HTML --------------------------------------------------------------------

std::string htmlText(const std::string& text) {
    std::string out;
    for (char ch : text) {
        switch (ch) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += ch;
        }
    }
    return out;
}

std::string htmlNumber(const Number& n) {
    std::string s = n.negative ? "&minus;" : "";
    if (!n.mantissa.empty()) {
        s += htmlText(n.whole) + n.mantissa;
        if (!n.exponent.empty()) {
            const bool minus = n.exponent[0] == '-';
            s += "&middot;10<sup>" + (minus ? "&minus;" + n.exponent.substr(1) : n.exponent) +
                 "</sup>";
        }
        return s;
    }
    s += n.whole;
    if (!n.num.empty())
        s += "<span class=\"bruch\"><span class=\"zaehler\">" + n.num +
             "</span><span class=\"nenner\">" + n.den + "</span></span>";
    return s;
}

const char* const htmlStyle =
    R"(body { font-family: "Liberation Serif", "Times New Roman", serif; margin: 2em; }
p.schritt { margin: 0.8em 0 0.3em 0; }
table.matrix { border-collapse: separate; border-spacing: 0.9em 0.15em; margin: 0.3em 0 0.8em 1em;
  border-left: 2px solid black; border-right: 2px solid black; border-radius: 0.9em; padding: 0 0.2em; }
table.matrix td { text-align: right; white-space: nowrap; }
.bruch { display: inline-block; vertical-align: middle; text-align: center; margin-left: 0.1em; }
.bruch > span { display: block; padding: 0 0.15em; line-height: 1.15; font-size: 85%; }
.bruch > .zaehler { border-bottom: 1px solid black; }
)";

} // namespace

std::string ProtocolExport::latex(const protstream& protocol, const FloatFormat& format) {
    std::size_t widest = 0;
    for (const auto& record : protocol.records())
        if (const auto* m = dynamic_cast<const protmatrix*>(record.get()))
            widest = std::max(widest, std::size_t(std::max(m->snapshot().cols(), 0)));

    std::string out = "\\documentclass[a4paper]{article}\n"
                      "\\usepackage[utf8]{inputenc}\n"
                      "\\usepackage[T1]{fontenc}\n"
                      "\\usepackage{amsmath}\n";
    // pmatrix takes ten columns unless told more.
    if (widest > 10) out += "\\setcounter{MaxMatrixCols}{" + std::to_string(widest) + "}\n";
    out += "\\setlength{\\parindent}{0pt}\n"
           "\\begin{document}\n";
    for (const auto& record : protocol.records()) {
        if (const auto* line = dynamic_cast<const protstring*>(record.get())) {
            out += line->text.empty() ? "\\medskip\n" : latexText(line->text) + "\\par\n";
        } else if (const auto* m = dynamic_cast<const protmatrix*>(record.get())) {
            const auto rows = entries(m->snapshot(), format);
            if (rows.empty() || rows.front().empty()) {
                out += "\\[ () \\]\n";
                continue;
            }
            out += "\\[\n\\begin{pmatrix}\n";
            for (std::size_t r = 0; r < rows.size(); ++r) {
                for (std::size_t c = 0; c < rows[r].size(); ++c)
                    out += (c > 0 ? " & " : "") + latexNumber(rows[r][c]);
                out += r + 1 < rows.size() ? " \\\\\n" : "\n";
            }
            out += "\\end{pmatrix}\n\\]\n";
        }
    }
    out += "\\end{document}\n";
    return out;
}

std::string ProtocolExport::html(const protstream& protocol, const FloatFormat& format,
                                 const std::string& title) {
    std::string out = "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
                      "<title>" +
                      htmlText(title) + "</title>\n<style>\n" + htmlStyle +
                      "</style>\n</head>\n<body>\n";
    for (const auto& record : protocol.records()) {
        if (const auto* line = dynamic_cast<const protstring*>(record.get())) {
            out += "<p class=\"schritt\">" + htmlText(line->text) + "</p>\n";
        } else if (const auto* m = dynamic_cast<const protmatrix*>(record.get())) {
            const auto rows = entries(m->snapshot(), format);
            out += "<table class=\"matrix\">\n";
            for (const auto& row : rows) {
                out += "<tr>";
                for (const Number& n : row) out += "<td>" + htmlNumber(n) + "</td>";
                out += "</tr>\n";
            }
            out += "</table>\n";
        }
    }
    out += "</body>\n</html>\n";
    return out;
}
