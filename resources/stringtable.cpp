#include "stringtable.h"

#include <cstdarg>
#include <cstdio>

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
    case EmptyBuffer:
        return "Keine Matrix des entspechendes Typus im Zwischenablage. Führen Sie zuerst eine "
               "Kopieroperation durch";
    default: return "";
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
