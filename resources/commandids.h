#pragma once

// Command ids of the menus, tool bar and accelerators; a command's status-bar
// hint is the string with the same id, the rest of what is known of it its row
// in the command table (commandtable.h).
namespace cmd {
enum Id {
    // Algorithms
    Gauss = 101,
    GaussJordan = 102,
    Loesung = 103,
    Bild = 104,
    Kern = 105,
    Inverse = 106,
    Pivotiere = 107,
    Eckenfindung = 108,
    Simplex = 109,
    Naehrungsloesung = 110,
    Determinante = 113,
    Multiplikation = 11843,
    Addition = 11844,
    Substraktion = 11845,
    // Help
    Help = 111,
    AlgorithmHelp = 112,
    About = 24389,
    // File
    New = 24331,
    Open = 24332,
    Save = 24336,
    SaveAs = 24337,
    SaveResult = 24333,
    SaveProtocol = 24334,
    Print = 11954,
    Exit = 24310,
    // Options
    PageSetup = 11955,
    Options = 11953,
    // Window
    Cascade = 24361,
    Tile = 24362,
    ArrangeIcons = 24364,
    CloseAll = 24365,
    // Edit (the source editor)
    OpenBuffer = 11846,
    Resize = 11847,
    Paste = 11848,
    Copy = 11849,
    MarkRows = 11851,
    MarkColumns = 11852,
    MarkAll = 11853,
    Transpose = 11854,
    // Edit (the document window)
    Duplicate = 11850,
    ResultAsSource = 24325,
    OpenAsFloat = 11842,
    OpenAsLong = 11875,
    // View
    ViewResult = 24352,
    ViewProtocol = 24353,
    ViewSource = 24354,
    // Undo, the desktop's clipboard, spreadsheet files and the protocol for
    // handing in (additions to the original command set)
    Undo = 11870,
    Redo = 11871,
    PasteClipboard = 11872,
    OpenClipboard = 24370,
    ImportCsv = 24371,
    ExportCsv = 24372,
    ExportProtocol = 24373,
};
} // namespace cmd
