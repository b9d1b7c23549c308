#include "matrixfilerecord.h"

#include "bruchfonts.h"

FileNameRecord matrixFileRecord(const QString& fileName) {
    const QString ext = QString::fromStdString(settings().fileextension);
    FileNameRecord r;
    r.filter = QStringLiteral("Matrix Dateien|*.%1|alte Matrix Dateien(*.mat)|*.mat|"
                              "Text(*.txt)|*.txt|Alle Dateien(*.*)|*.*")
                   .arg(ext);
    r.defaultExtension = ext;
    r.fileName = fileName;
    r.filterIndex = 0;
    r.mustExist = true;
    return r;
}

FileNameRecord protocolFileRecord() {
    FileNameRecord r;
    r.filter = QStringLiteral("Text(*.txt)|*.txt|Alle Dateien(*.*)|*.*");
    r.defaultExtension = QStringLiteral("txt");
    r.filterIndex = 0;
    r.mustExist = true;
    return r;
}
