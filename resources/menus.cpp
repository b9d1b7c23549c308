#include "menus.h"

#include "commandids.h"

namespace menus {

namespace {

constexpr Entry command(int id, const char* text) { return {Entry::Command, id, text}; }
constexpr Entry separator{Entry::Separator, 0, ""};

constexpr Entry datei[] = {
    command(cmd::New, "&Neu"),
    command(cmd::Open, "&Öffnen..."),
    command(cmd::OpenClipboard, "Aus Zwischenablage öffnen"),
    command(cmd::Save, "&Speichern"),
    command(cmd::SaveAs, "Speichern &Unter"),
    separator,
    command(cmd::SaveResult, "&Ergebnis speichern "),
    command(cmd::SaveProtocol, "&Protokoll speichern"),
    command(cmd::ExportProtocol, "Protokoll exportieren"),
    separator,
    command(cmd::ImportCsv, "Importieren..."),
    command(cmd::ExportCsv, "Exportieren..."),
    separator,
    command(cmd::Print, "&Drucken  Strg+P "),
    command(cmd::Exit, "&Beenden\tAlt+F4"),
};
constexpr Entry optionen[] = {
    command(cmd::PageSetup, "&Seite Einrichten"),
    command(cmd::Options, "&Benutzeranpassung"),
};
constexpr Entry fenster[] = {
    command(cmd::Cascade, "&Überlappend"),           command(cmd::Tile, "&Nebeneinander"),
    command(cmd::ArrangeIcons, "&Symbole anordnen"), separator,
    command(cmd::CloseAll, "&Alle schließen"),
};
constexpr Entry hilfe[] = {
    command(cmd::Help, "&Hilfe F1"),
    command(cmd::AlgorithmHelp, "Hilfe zum &Algorithmus"),
    command(cmd::About, "&Info über das Programm"),
};
constexpr Popup main121[] = {
    {"&Datei", datei},
    {"&Optionen", optionen},
    {"&Fenster", fenster},
    {"&Hilfe", hilfe},
};

constexpr Entry bearbeiten[] = {
    command(cmd::Copy, "&Kopieren Strg+C"),
    command(cmd::Paste, "Einfügen Strg+&V"),
    command(cmd::Resize, "&Große Verändern"),
    command(cmd::Transpose, "&Transponieren"),
    {Entry::SubmenuBegin, 0, "&Markieren"},
    command(cmd::MarkColumns, "&Spalte"),
    command(cmd::MarkRows, "&Zeile"),
    command(cmd::MarkAll, "&Alles"),
    {Entry::SubmenuEnd, 0, ""},
    separator,
    command(cmd::OpenBuffer, "&Puffer Öffnen"),
    command(cmd::Duplicate, "&Dupplizieren"),
    command(cmd::ResultAsSource, "Ergebnis zum &Ausgang"),
    command(cmd::OpenAsFloat, "&Öffnen als Gleitkommazahlen"),
    command(cmd::OpenAsLong, "Öffnen als &lange Bruchzahlen"),
    separator,
    command(cmd::Undo, "&Rückgängig Strg+Z"),
    command(cmd::Redo, "&Wiederherstellen Strg+Y"),
    command(cmd::PasteClipboard, "Aus Zwischenablage einfügen"),
};
constexpr Entry ansicht[] = {
    command(cmd::ViewSource, "&Ausgangmatrix F2"),
    command(cmd::ViewResult, "&Ergebnismatrix F3"),
    command(cmd::ViewProtocol, "&Protokoll/Zwischenschritte F4"),
};
constexpr Entry algorithmen[] = {
    command(cmd::Gauss, "&Gauss"),
    command(cmd::GaussJordan, "&Gauss-Jordan"),
    command(cmd::Loesung, "&Lösung"),
    command(cmd::Determinante, "&Determinante"),
    command(cmd::Bild, "&Bild"),
    command(cmd::Kern, "&Kern"),
    command(cmd::Inverse, "&Inverse"),
    command(cmd::Naehrungsloesung, "&Nährungslösung"),
    command(cmd::Pivotiere, "&Pivotiere"),
    command(cmd::Simplex, "&Simplex"),
    command(cmd::Eckenfindung, "&Eckenfindung"),
    separator,
    command(cmd::Multiplikation, "Matrizen Multiplikation"),
    command(cmd::Addition, "Matrizen Addition"),
    command(cmd::Substraktion, "Matrizen Substraktion"),
};
constexpr Popup document120[] = {
    {"&Bearbeiten", bearbeiten},
    {"&Ansicht", ansicht},
    {"&Algorithmen", algorithmen},
};

constexpr Entry context[] = {
    command(cmd::ViewSource, "Ansicht AusgangsMatrix"),
    command(cmd::ViewResult, "Ansicht Ergebniss"),
    command(cmd::ViewProtocol, "Ansicht Protokoll"),
    separator,
    command(cmd::Copy, "Kopieren Strg+C"),
    command(cmd::Paste, "Einfügen Strg+V"),
    command(cmd::Resize, "Größe Ändern"),
    command(cmd::Duplicate, "Dupplizieren"),
};

// clang-format off
constexpr int tools[] = {
    cmd::New, cmd::Open, cmd::Save, cmd::Print, 0,
    cmd::ViewSource, cmd::ViewProtocol, cmd::ViewResult, 0,
    cmd::Copy, cmd::Paste, 0,
    cmd::About,
};
// clang-format on

constexpr Accelerator keys121[] = {
    {"F1", cmd::Help},         {"F2", cmd::ViewSource}, {"F3", cmd::ViewResult},
    {"F4", cmd::ViewProtocol}, {"Ctrl+C", cmd::Copy},   {"Ctrl+V", cmd::Paste},
    {"Ctrl+Z", cmd::Undo},     {"Ctrl+Y", cmd::Redo},   {"Ctrl+Shift+Z", cmd::Redo},
};

} // namespace

std::span<const Popup> mainMenu() { return main121; }
std::span<const Popup> documentMenu() { return document120; }
std::span<const Entry> contextMenu() { return context; }
std::span<const int> toolBar() { return tools; }
std::span<const Accelerator> accelerators() { return keys121; }

const char* commandText(int id) {
    for (const std::span<const Popup> menu : {mainMenu(), documentMenu()})
        for (const Popup& p : menu)
            for (const Entry& e : p.entries)
                if (e.kind == Entry::Command && e.id == id) return e.text;
    return "";
}

} // namespace menus
