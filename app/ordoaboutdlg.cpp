#include "ordoaboutdlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "prompts.h"
#include "toolicons.h"

namespace {

constexpr int textLimit = 255;

QLabel* centred(const QString& text, QWidget* parent, int id) {
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignCenter);
    if (id != 0) l->setObjectName(QString::number(id));
    return l;
}

} // namespace

ordoAboutDlg::ordoAboutDlg(QWidget* parent, const ProjectRCVersion& version) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Info über Lineon"));
    version_ = centred(QStringLiteral("Version"), this, VersionLine);
    legal_ = centred(QString(), this, LegalLine);
    legal_->setWordWrap(true);
    legal_->setMinimumHeight(2 * legal_->fontMetrics().height());

    // Missing texts stay empty.
    QString name, number, legal;
    version.productName(name);
    version.productVersion(number);
    version.legalText(legal);
    version_->setText(
        QStringLiteral("%1 %2 %3").arg(name, version_->text(), number).left(textLimit));
    legal_->setText(legal.left(textLimit));

    auto* icon = new QLabel(this);
    icon->setObjectName("icon");
    icon->setPixmap(ToolIcons::application().pixmap(32, 32));
    auto* picture = new QLabel(this);
    picture->setObjectName(QString::number(Picture));
    picture->setPixmap(ToolIcons::aboutPicture());

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QString::number(Ok));
    ok->setDefault(true);
    auto* moreVersion = new QPushButton(QStringLiteral("Mehr über Version"), this);
    moreVersion->setObjectName(QString::number(MehrUeberVersion));
    auto* moreAuthor = new QPushButton(QStringLiteral("Mehr über Autor"), this);
    moreAuthor->setObjectName(QString::number(MehrUeberAutor));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(moreVersion, &QPushButton::clicked, this,
            [this] { prompts::current().help(this, versionHelp); });
    connect(moreAuthor, &QPushButton::clicked, this,
            [this] { prompts::current().help(this, authorHelp); });

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(picture, 1, Qt::AlignCenter);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(moreVersion);
    buttons->addWidget(moreAuthor);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(version_);
    layout->addWidget(
        centred(QStringLiteral("Matrix Manipulations Program, Matrixalgorithmen"), this, 0));
    layout->addWidget(legal_);
    layout->addLayout(buttons);
}

QString ordoAboutDlg::versionLine() const { return version_->text(); }
QString ordoAboutDlg::legalLine() const { return legal_->text(); }
