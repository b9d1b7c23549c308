#include "documentcaption.h"

#include <algorithm>

#include "algorithmcommand.h"

QString documentCaption(const QString& fileName, int rows, int cols, DocumentView view,
                        int algorithm) {
    // Names may come with either folder separator (files made on Windows).
    const qsizetype slash = std::max(fileName.lastIndexOf('/'), fileName.lastIndexOf('\\'));
    QString name = fileName.mid(slash + 1);
    const qsizetype dot = name.indexOf('.');
    if (dot >= 0) name.truncate(dot);

    QString caption = name + QStringLiteral(": (%1 x %2)  : ").arg(rows).arg(cols);
    switch (view) {
    case DocumentView::Source: caption += QStringLiteral("Ausgangsmatrix"); break;
    case DocumentView::Result: caption += QStringLiteral("Ergebniss - "); break;
    case DocumentView::Protocol: caption += QStringLiteral("Protokoll - "); break;
    case DocumentView::None: break;
    }
    if ((view == DocumentView::Result || view == DocumentView::Protocol) && algorithm != 0)
        caption += QString::fromUtf8(AlgorithmCommand::name(algorithm));
    return caption;
}
