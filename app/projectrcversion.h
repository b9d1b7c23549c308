#pragma once
#include <QMap>
#include <QString>

// The program's version record: the texts "ProductName", "ProductVersion"
// and "LegalCopyright" compiled in from the build. A query reports false for
// a text the record lacks or holds empty.
class ProjectRCVersion {
public:
    // The record of this program.
    ProjectRCVersion();
    // A record with just these texts, by name (none: a program without one).
    explicit ProjectRCVersion(QMap<QString, QString> strings);

    bool productName(QString& out) const { return lookup(QStringLiteral("ProductName"), out); }
    bool productVersion(QString& out) const {
        return lookup(QStringLiteral("ProductVersion"), out);
    }
    bool legalText(QString& out) const { return lookup(QStringLiteral("LegalCopyright"), out); }

private:
    bool lookup(const QString& key, QString& out) const;
    QMap<QString, QString> strings_;
};
