#include "helpwindow.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

struct Topic {
    int context;
    const char* page;
};

// 258 + algorithm number for "Hilfe zum Algorithmus"; the dialogs' help
// buttons; the about box's two buttons.
constexpr Topic topics[] = {
    {258, "algorithmen.html"},    {259, "gauss.html"},        {260, "gaussjordan.html"},
    {261, "loesung.html"},        {262, "determinante.html"}, {263, "bild.html"},
    {264, "kern.html"},           {265, "inverse.html"},      {266, "naehrungsloesung.html"},
    {267, "pivotiere.html"},      {268, "eckenfindung.html"}, {269, "simplex.html"},
    {270, "multiplikation.html"}, {271, "addition.html"},     {272, "substraktion.html"},
    {304, "dialoge.html"},        {305, "dialoge.html"},      {306, "dialoge.html"},
    {307, "dialoge.html"},        {308, "dialoge.html"},      {320, "info.html"},
    {321, "info.html"},
};

const QString contentsPage = QStringLiteral("qrc:/help/index.html");

} // namespace

QUrl HelpWindow::topicUrl(int context) {
    for (const Topic& t : topics)
        if (t.context == context)
            return QUrl(
                QStringLiteral("qrc:/help/%1#kontext%2").arg(QLatin1String(t.page)).arg(context));
    return QUrl(contentsPage);
}

QList<int> HelpWindow::contexts() {
    QList<int> out;
    for (const Topic& t : topics)
        out << t.context;
    return out;
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("helpWindow");
    setWindowTitle(QStringLiteral("Lineon - Hilfe"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("helpBrowser");
    browser_->setOpenExternalLinks(true);

    auto* contents = new QPushButton(QStringLiteral("&Inhalt"), this);
    auto* back = new QPushButton(QStringLiteral("&Zurück"), this);
    auto* close = new QPushButton(QStringLiteral("&Schließen"), this);
    connect(contents, &QPushButton::clicked, this,
            [this] { browser_->setSource(QUrl(contentsPage)); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    back->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    resize(640, 560);
}

void HelpWindow::showTopic(int context) {
    browser_->setSource(topicUrl(context));
    show();
    raise();
    activateWindow();
}
