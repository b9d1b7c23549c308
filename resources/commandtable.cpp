#include "commandtable.h"

namespace cmd {

namespace {

// A command that runs no algorithm and has no help topic of its own.
constexpr Command plain(Id id, const char* codeName, const char* icon = nullptr) {
    return {id, codeName, 0, nullptr, icon, -1, nullptr, false};
}

// An algorithm command; "Hilfe zum Algorithmus" shows its topic after a run.
constexpr Command algorithm(Id id, const char* codeName, int number, const char* cliName,
                            int helpContext, const char* helpPage, bool twoOperand = false) {
    return {id, codeName, number, cliName, nullptr, helpContext, helpPage, twoOperand};
}

constexpr bool two = true;

// clang-format off
constexpr Command rows[] = {
    // Algorithms, by the numbers of AlgorithmCommand
    algorithm(Gauss,            "Gauss",            1,  "gauss",            259, "gauss.html"),
    algorithm(GaussJordan,      "GaussJordan",      2,  "gauss-jordan",     260, "gaussjordan.html"),
    algorithm(Loesung,          "Loesung",          3,  "loesung",          261, "loesung.html"),
    algorithm(Determinante,     "Determinante",     4,  "determinante",     262, "determinante.html"),
    algorithm(Bild,             "Bild",             5,  "bild",             263, "bild.html"),
    algorithm(Kern,             "Kern",             6,  "kern",             264, "kern.html"),
    algorithm(Inverse,          "Inverse",          7,  "inverse",          265, "inverse.html"),
    algorithm(Naehrungsloesung, "Naehrungsloesung", 8,  "naehrungsloesung", 266, "naehrungsloesung.html"),
    algorithm(Pivotiere,        "Pivotiere",        9,  "pivotiere",        267, "pivotiere.html"),
    algorithm(Eckenfindung,     "Eckenfindung",     10, "eckenfindung",     268, "eckenfindung.html"),
    algorithm(Simplex,          "Simplex",          11, "simplex",          269, "simplex.html"),
    algorithm(Multiplikation,   "Multiplikation",   12, "multiplikation",   270, "multiplikation.html", two),
    algorithm(Addition,         "Addition",         13, "addition",         271, "addition.html", two),
    algorithm(Substraktion,     "Substraktion",     14, "substraktion",     272, "substraktion.html", two),
    // Help; before any run "Hilfe zum Algorithmus" shows the overview
    {Help,          "Help",          0, nullptr, nullptr, 0,   nullptr,            false},
    {AlgorithmHelp, "AlgorithmHelp", 0, nullptr, nullptr, 258, "algorithmen.html", false},
    plain(About, "About", "about"),
    // File
    plain(New, "New", "new"),
    plain(Open, "Open", "open"),
    plain(Save, "Save", "save"),
    plain(SaveAs, "SaveAs"),
    plain(SaveResult, "SaveResult"),
    plain(SaveProtocol, "SaveProtocol"),
    plain(Print, "Print", "print"),
    plain(Exit, "Exit"),
    // Options
    plain(PageSetup, "PageSetup"),
    plain(Options, "Options"),
    // Window
    plain(Cascade, "Cascade"),
    plain(Tile, "Tile"),
    plain(ArrangeIcons, "ArrangeIcons"),
    plain(CloseAll, "CloseAll"),
    // Edit (the source editor)
    plain(OpenBuffer, "OpenBuffer"),
    plain(Resize, "Resize"),
    plain(Paste, "Paste", "paste"),
    plain(Copy, "Copy", "copy"),
    plain(MarkRows, "MarkRows"),
    plain(MarkColumns, "MarkColumns"),
    plain(MarkAll, "MarkAll"),
    plain(Transpose, "Transpose"),
    // Edit (the document window)
    plain(Duplicate, "Duplicate"),
    plain(ResultAsSource, "ResultAsSource"),
    plain(OpenAsFloat, "OpenAsFloat"),
    plain(OpenAsLong, "OpenAsLong"),
    // View
    plain(ViewResult, "ViewResult", "result"),
    plain(ViewProtocol, "ViewProtocol", "protocol"),
    plain(ViewSource, "ViewSource", "source"),
    // Undo, clipboard, spreadsheet files, the protocol for handing in
    plain(Undo, "Undo"),
    plain(Redo, "Redo"),
    plain(PasteClipboard, "PasteClipboard"),
    plain(OpenClipboard, "OpenClipboard"),
    plain(ImportCsv, "ImportCsv"),
    plain(ExportCsv, "ExportCsv"),
    plain(ExportProtocol, "ExportProtocol"),
};
// clang-format on

constexpr bool same(const char* a, const char* b) { return a && b && std::string_view(a) == b; }

// No id, code name, lineon-cli name, icon or help context twice; every
// algorithm number once, and only algorithm rows have a lineon-cli name or a
// second operand.
constexpr bool consistent() {
    int numbers = 0;
    for (const Command& a : rows) {
        if (!a.codeName || (a.algorithm == 0) != (a.cliName == nullptr)) return false;
        if (a.twoOperand && a.algorithm == 0) return false;
        if (a.algorithm != 0) ++numbers;
        for (const Command& b : rows) {
            if (&a == &b) continue;
            if (a.id == b.id || same(a.codeName, b.codeName) || same(a.cliName, b.cliName) ||
                same(a.icon, b.icon) || (a.helpContext >= 0 && a.helpContext == b.helpContext) ||
                (a.algorithm != 0 && a.algorithm == b.algorithm))
                return false;
        }
    }
    for (const Command& a : rows)
        if (a.algorithm < 0 || a.algorithm > numbers) return false;
    return true;
}
static_assert(consistent());

} // namespace

std::span<const Command> table() { return rows; }

const Command* find(int id) {
    for (const Command& c : rows)
        if (c.id == id) return &c;
    return nullptr;
}

const Command* findAlgorithm(int number) {
    if (number == 0) return nullptr;
    for (const Command& c : rows)
        if (c.algorithm == number) return &c;
    return nullptr;
}

const Command* findCliName(std::string_view name) {
    for (const Command& c : rows)
        if (c.cliName && name == c.cliName) return &c;
    return nullptr;
}

int algorithmOf(int id) {
    const Command* c = find(id);
    return c ? c->algorithm : 0;
}

bool isTwoOperand(int number) {
    const Command* c = findAlgorithm(number);
    return c && c->twoOperand;
}

} // namespace cmd
