#include "stringtable.h"

#include <cstdarg>
#include <cstdio>

#include "commandids.h"

namespace {

// The status-bar hints: a command's hint is the string with its id.
const char* commandHint(int id) {
    switch (id) {
    case cmd::New: return "Eine neue Matrix erzeugen";
    case cmd::Open: return "Eine existierende Matrix öffnen";
    case cmd::Save: return "Ausgangmatrix Speichern";
    case cmd::SaveAs: return "Ausgansmatrix unter einem geänderten Namen speichern";
    case cmd::SaveResult: return "Ergebnismatrix speichern";
    case cmd::SaveProtocol: return "Protokoll als TXT Datei speichern";
    case cmd::Print: return "Druckt kontekstbezogen den Inhalt des aktiven Fensters";
    case cmd::Exit: return "Lineon beenden und Speicherung der Matrizen abfragen";
    case cmd::PageSetup: return "Standartdialog für Festlegung der Seitenränder";
    case cmd::Options: return "Hier kann man das Programm individuell anpassen";
    case cmd::Cascade:
        return "Ordnet alle Fenster so das jede Titelzeilte (Fensterstatuszeile) sichtbar wird";
    case cmd::Tile: return "Ordnet alle Fester so, daß alle Arbeitoberflächen sichtbar sind";
    case cmd::ArrangeIcons: return "Ordnet alle zu Symbolen verkleinerten Fenster";
    case cmd::CloseAll: return "Schließt alle Fenster";
    case cmd::Help: return "Ruft Hilfedatei auf";
    case cmd::AlgorithmHelp: return "Hilfe zum letzten benutzten Algorithmus in aktiven Fenster";
    case cmd::About: return "Info über die Anwendung Lineon";
    case cmd::Copy:
        return "Kopier den Markierten bereich (oder die Zelle mit Cursor) in Zwichenpuffer";
    case cmd::Paste: return "Kopiert den Inhalt des Zwischenpuffer auf die aktive Matrix";
    case cmd::Resize: return "Größe der Matrix (Spalten, Zeilenzahl) kann verändert werden";
    case cmd::Transpose: return "Bildet eine Transponete der Matrix";
    case cmd::MarkColumns: return "Markiert ganze Spalte";
    case cmd::MarkRows: return "Markiert ganze Zeile";
    case cmd::MarkAll: return "Markiert ganze Matrix";
    case cmd::OpenBuffer:
        return "Öffnet den kopierten Bereich aus Zwischenpuffer als selbständige Matrix (Fenster)";
    case cmd::Duplicate:
        return "Öffnet neues Fenster mit genau gleichen Matrix wie die aktive Matrix "
               "(Verdoppelung)";
    case cmd::ResultAsSource: return "Ergebnismatrix als neue Ausgangsmatrix öffnen";
    case cmd::OpenAsFloat:
        return "Öffnet eine neue Matrize aus Daten der Aktuellen aber in "
               "Gleitkommazahlen-darstellung";
    case cmd::OpenAsLong:
        return "Öffnet eine neue Matrix aus Daten der aktuellen in beliebig langen Bruchzahlen "
               "(ohne Überlauf)";
    case cmd::ViewSource: return "Betrachte Ausgangsmatrix";
    case cmd::ViewResult: return "Betrachte Ergebnismatrix (Ergebnis des Algorithmus)";
    case cmd::ViewProtocol:
        return "Betrachte Protokoll; Zwischenergebnisse (Zwischenschritte) aus letzten "
               "Argorithmus verlauf";
    case cmd::Loesung:
        return "Lösung einer linearen Gleichungssystem. Ausgangsmatrix = erweiterte "
               "koeffiziente Matrix";
    case cmd::Determinante:
        return "Rechnet mit Hilfe des Gaussalgorthmus die Determinante der Matrix";
    case cmd::Bild: return "Rechnet das Bild der Matrix";
    case cmd::Kern: return "Rechnet den Kern der Matrix";
    case cmd::Inverse: return "Rechnet die Inverse der Matrix, es muß eine n*n Matrix sein";
    case cmd::Naehrungsloesung: return "Rechnet die Nährungslösung des linearen Gleichungssystems";
    case cmd::Pivotiere: return "Pivotieralgorithmus";
    case cmd::Simplex:
        return "Optimierungsverfahren; Optimieren eines linearen Ungleichugssystem bzgl. eine "
               "zu maxsimierenden Funktion";
    case cmd::Eckenfindung: return "Teil des Optimierungsverfahren";
    case cmd::Multiplikation:
        return "Multiplizieren zwei Matrizen, die zweite Matrix muß im Programm existieren";
    case cmd::Addition:
        return "Addition zwei Matrizen, die zweite Matrix muß im Programm existieren";
    case cmd::Substraktion:
        return "Substraktion zwei Matrizen, die zweite Matrix muß im Programm existieren";
    case cmd::Undo: return "Nimmt die letzte Änderung der Ausgangsmatrix zurück";
    case cmd::Redo: return "Stellt die zuletzt zurückgenommene Änderung wieder her";
    case cmd::PasteClipboard:
        return "Fügt Zahlen aus der Zwischenablage des Systems (z.B. aus einer "
               "Tabellenkalkulation) "
               "am Cursor ein";
    case cmd::OpenClipboard:
        return "Öffnet die Zahlen aus der Zwischenablage des Systems als neue Matrix";
    case cmd::ImportCsv: return "Öffnet eine CSV-Datei (Tabellenkalkulation) als neue Matrix";
    case cmd::ExportCsv:
        return "Speichert die Ausgangsmatrix als CSV-Datei für Tabellenkalkulationen";
    case cmd::ExportProtocol: return "Speichert das Protokoll als LaTeX- oder HTML-Dokument";
    default: return "";
    }
}

} // namespace

namespace strings {

const char* load(int id) {
    switch (id) {
    case CannotOpen: return "Dokument kann nicht geöffnet werden.";
    case WriteError: return "Dokument-Schreibfehler.";
    case CloseQuestion:
        return "Die Matrix (%d * %d) als %s\n%s\nwurde verändert oder nicht gespeichert.\n\n "
               "Wollen Sie die Änderungen speichern?";
    case ProtocolNotSaved: return "Das Protokoll konnte nicht gespeichert werden";
    case Overflow:
        return "Überlauf beim Berechnungen\n Versuchen Sie die Matrix in Gleitkommazahlen "
               "umzuwandeln.";
    case NoOperand:
        return "Als zwieten Operand kommt nur eine Matrix des Typs\n (%d*%d) als %s in "
               "Frage\nErzeugen oder Öffnen Sie solche";
    case SaveSourceTitle: return "Ausgangsmatrix Speichern";
    case SaveResultTitle: return "Ergebnis Speichern";
    case ValueNotInRange: return "Value is not in the range %ld to %ld.";
    case OutOfMemory:
        return "Nicht genug Speicher für diese Berechnung.\n Versuchen Sie eine kleinere Matrix.";
    case EmptyBuffer:
        return "Keine Matrix des entspechendes Typus im Zwischenablage. Führen Sie zuerst eine "
               "Kopieroperation durch";
    case NoNumbers: return "Es sind keine Zahlen vorhanden.";
    case TableTooLarge:
        return "Die Tabelle hat %zu Zeilen und %zu Spalten; eine Matrix hat höchstens %d von "
               "beiden.";
    case FieldAt: return "Zeile %zu, Spalte %zu: ";
    case FieldNotExact:
        return "lässt sich nicht als Bruch darstellen (zu groß oder zu viele Stellen).";
    case FieldNoNumber: return "ist keine Zahl.";
    case FileNotOpened: return "Die Datei kann nicht geöffnet werden.";
    case FileTooLarge: return "Die Datei ist zu groß für eine Matrix.";
    case PasteTooLarge: return "Die Matrix würde größer als %d Zeilen oder Spalten.";
    case ClipboardNotPasted: return "Der Inhalt der Zwischenablage kann nicht eingefügt werden.\n";
    case ClipboardNotOpened: return "Der Inhalt der Zwischenablage kann nicht geöffnet werden.\n";
    case NotImported: return "Die Datei kann nicht importiert werden.\n";
    case PrintPages: return "Der Ausdruck umfasst %d Seiten.\nWirklich drucken?";
    case PrintNotStarted: return "Der Druck konnte nicht gestartet werden.";
    case SettingsNotSaved: return "Die Einstellungen konnten nicht gespeichert werden.";
    case NotAFraction:
        return "„%1“ wird nicht übernommen: keine Bruchzahl. So geht es: 3, -1,2 für -1/2, 2,1,3 "
               "für 2 1/3; Zahlen bis 2147483647, kein Nenner 0.";
    case NotAFloat:
        return "„%1“ wird nicht übernommen: keine Gleitkommazahl. So geht es: 3, -0.5, 2.5e-3.";
    case DeterminantShape:
        return "Es werden nur Determinanten aus n*n evntl. n*(n+1) Matrizen ausgerechnet";
    case InverseShape: return "Man kann nur n*n Matrizen inveriernen";
    case NoSolution: return "Es gibt keine Lösung zur Matrix";
    case NotInvertible: return "Die Matrix ist nicht invertierbar";
    case NoOptimum: return "Es gibt keine optimale Lösung zum Simplex";
    case OhNoTitle: return "OH NO";
    case ClipboardTitle: return "Zwischenablage";
    case SlowTitle: return "Langsam...";
    case MomentTitle: return "Momentmal..";
    case PrintTitle: return "Drucken";
    case NonsenseTitle: return "Schwachsinn";
    case NoResultTitle: return "Kein Ergebniss";
    case HmTitle: return "Hm";
    case NumberTooLong:
        return "Die Datei enthält eine Zahl mit mehr als %d Stellen; so lange Zahlen liest "
               "Lineon nicht.";
    case LongOverflowButton: return "Mit &langen Bruchzahlen";
    default: return commandHint(id);
    }
}

std::string format(int id, ...) {
    char buffer[1024];
    va_list args;
    va_start(args, id);
    std::vsnprintf(buffer, sizeof buffer, load(id), args);
    va_end(args);
    std::string s(buffer);
    // At most 255 bytes, without cutting a UTF-8 character in half.
    if (s.size() > 255) {
        std::size_t n = 255;
        while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;
        s.resize(n);
    }
    return s;
}

} // namespace strings
