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

// The note lines a snapshot shows, none when notes are off or it has none.
std::vector<std::string> shownNotes(const protmatrix& m, bool notes) {
    return notes && m.note() != nullptr ? noteLines(*m.note()) : std::vector<std::string>();
}

// Whether any snapshot of the protocol shows notes: a protocol without them
// looks as it would with notes off.
bool anyNotes(const protstream& protocol, bool notes) {
    return notes && std::any_of(protocol.records().begin(), protocol.records().end(),
                                [](const auto& record) {
                                    const auto* m = dynamic_cast<const protmatrix*>(record.get());
                                    return m != nullptr && m->note() != nullptr;
                                });
}

// Whether the entry at (r, c) is the noted pivot of the snapshot.
bool isPivot(const protmatrix& m, bool notes, std::size_t r, std::size_t c) {
    const StepNote* note = notes ? m.note() : nullptr;
    return note != nullptr && note->pivotRow >= 0 && note->pivotColumn >= 0 &&
           std::size_t(note->pivotRow) == r && std::size_t(note->pivotColumn) == c;
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

// A note line in text mode: the arrow, the dot and the minus sign of the
// note are set in math, everything else as text.
std::string latexNote(const std::string& line) {
    static const struct {
        const char* utf8;
        const char* latex;
    } symbols[] = {
        {"\u2194", "\\(\\leftrightarrow\\)"}, {"\u00b7", "\\(\\cdot\\)"}, {"\u2212", "\\(-\\)"}};
    std::string out, plain;
    for (std::size_t i = 0; i < line.size();) {
        const auto* s = std::find_if(std::begin(symbols), std::end(symbols), [&](const auto& sym) {
            return line.compare(i, std::char_traits<char>::length(sym.utf8), sym.utf8) == 0;
        });
        if (s == std::end(symbols)) {
            plain += line[i++];
            continue;
        }
        out += latexText(plain) + s->latex;
        plain.clear();
        i += std::char_traits<char>::length(s->utf8);
    }
    return out + latexText(plain);
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

// With notes: the headings set apart from the notes, each noted snapshot a
// row of the matrix and its note lines, the pivot boxed.
const char* const htmlNoteStyle =
    R"(p.schritt { font-weight: bold; font-size: 110%; margin-top: 1.2em; }
div.notiert { display: flex; align-items: center; gap: 1em; }
td.pivot { outline: 1.5px solid black; outline-offset: 0.1em; background: #fff2b3; }
ul.notiz { list-style: none; margin: 0.3em 0 0.8em 0; padding: 0 0 0 0.8em; border-left: 1px solid #999; }
ul.notiz li { margin: 0.15em 0; }
)";

} // namespace

std::string ProtocolExport::latex(const protstream& protocol, const FloatFormat& format,
                                  bool notes) {
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
                for (std::size_t c = 0; c < rows[r].size(); ++c) {
                    const std::string entry = latexNumber(rows[r][c]);
                    out += (c > 0 ? " & " : "") +
                           (isPivot(*m, notes, r, c) ? "\\boxed{" + entry + "}" : entry);
                }
                out += r + 1 < rows.size() ? " \\\\\n" : "\n";
            }
            out += "\\end{pmatrix}\n";
            const std::vector<std::string> lines = shownNotes(*m, notes);
            if (!lines.empty()) {
                out += "\\quad\n\\begin{array}{l}\n";
                for (std::size_t k = 0; k < lines.size(); ++k)
                    out += "\\text{" + latexNote(lines[k]) + "}" +
                           (k + 1 < lines.size() ? " \\\\\n" : "\n");
                out += "\\end{array}\n";
            }
            out += "\\]\n";
        }
    }
    out += "\\end{document}\n";
    return out;
}

std::string ProtocolExport::html(const protstream& protocol, const FloatFormat& format,
                                 const std::string& title, bool notes) {
    std::string out = "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
                      "<title>" +
                      htmlText(title) + "</title>\n<style>\n" + htmlStyle +
                      (anyNotes(protocol, notes) ? htmlNoteStyle : "") +
                      "</style>\n</head>\n<body>\n";
    for (const auto& record : protocol.records()) {
        if (const auto* line = dynamic_cast<const protstring*>(record.get())) {
            out += "<p class=\"schritt\">" + htmlText(line->text) + "</p>\n";
        } else if (const auto* m = dynamic_cast<const protmatrix*>(record.get())) {
            const auto rows = entries(m->snapshot(), format);
            const std::vector<std::string> lines = shownNotes(*m, notes);
            if (!lines.empty()) out += "<div class=\"notiert\">\n";
            out += "<table class=\"matrix\">\n";
            for (std::size_t r = 0; r < rows.size(); ++r) {
                out += "<tr>";
                for (std::size_t c = 0; c < rows[r].size(); ++c)
                    out += (isPivot(*m, notes, r, c) ? "<td class=\"pivot\">" : "<td>") +
                           htmlNumber(rows[r][c]) + "</td>";
                out += "</tr>\n";
            }
            out += "</table>\n";
            if (!lines.empty()) {
                out += "<ul class=\"notiz\">\n";
                for (const std::string& l : lines) out += "<li>" + htmlText(l) + "</li>\n";
                out += "</ul>\n</div>\n";
            }
        }
    }
    out += "</body>\n</html>\n";
    return out;
}
