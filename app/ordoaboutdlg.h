#pragma once
#include <QDialog>

#include "projectrcversion.h"

class QLabel;

// "Info über Lineon": the version line (product name, "Version", product
// version), the program's purpose, the legal line, the program's icon and
// picture, and help on the version and on the author. Every control carries
// its resource id as objectName ("22001").
class ordoAboutDlg : public QDialog {
    Q_OBJECT
public:
    enum Control {
        Ok = 1,
        MehrUeberVersion = 101,
        MehrUeberAutor = 102,
        Picture = 103,
        VersionLine = 22001,
        LegalLine = 22002
    };
    static constexpr int versionHelp = 321, authorHelp = 320;

    explicit ordoAboutDlg(QWidget* parent, const ProjectRCVersion& version = ProjectRCVersion());

    QString versionLine() const;
    QString legalLine() const;

private:
    QLabel* version_;
    QLabel* legal_;
};
