#pragma once

class QCoreApplication;
class QTranslator;

// Qt's own dialogs and buttons (file, font, print and page setup dialogs,
// "OK"/"Abbrechen") speak German like the rest of the program, whatever the
// system's language. Returns the installed translator, owned by app (deleting
// it takes the texts back), or null when Qt's German translations are not
// installed; the texts then stay English.
QTranslator* installQtGermanTexts(QCoreApplication& app);
