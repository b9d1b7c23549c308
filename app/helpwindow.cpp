#include "helpwindow.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

#include "commandtable.h"

namespace {

struct Topic {
    int context;
    const char* page;
};

// The topics of the dialogs' help buttons and of the about box's two buttons;
// the commands' topics are rows of the command table.
constexpr Topic dialogTopics[] = {
    {304, "dialoge.html"}, {305, "dialoge.html"}, {306, "dialoge.html"}, {307, "dialoge.html"},
    {308, "dialoge.html"}, {320, "info.html"},    {321, "info.html"},
};

// The page of a context number, null for one without a topic of its own.
const char* topicPage(int context) {
    for (const cmd::Command& c : cmd::table())
        if (c.helpPage && c.helpContext == context) return c.helpPage;
    for (const Topic& t : dialogTopics)
        if (t.context == context) return t.page;
    return nullptr;
}

const QString contentsPage = QStringLiteral("qrc:/help/index.html");

} // namespace

QUrl HelpWindow::topicUrl(int context) {
    if (const char* page = topicPage(context))
        return QUrl(QStringLiteral("qrc:/help/%1#kontext%2").arg(QLatin1String(page)).arg(context));
    return QUrl(contentsPage);
}

QList<int> HelpWindow::contexts() {
    QList<int> out;
    for (const cmd::Command& c : cmd::table())
        if (c.helpPage) out << c.helpContext;
    for (const Topic& t : dialogTopics) out << t.context;
    std::sort(out.begin(), out.end());
    return out;
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), home_(parent) {
    setObjectName("helpWindow");
    setWindowTitle(QStringLiteral("Lineon - Hilfe"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("helpBrowser");
    browser_->setOpenExternalLinks(true);

    auto* contents = new QPushButton(QStringLiteral("&Inhalt"), this);
    auto* back = new QPushButton(QStringLiteral("&Zurück"), this);
    auto* close = new QPushButton(QStringLiteral("&Schließen"), this);
    close->setObjectName("close");
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
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != this && modal != dialog_) joinDialog(modal);
    if (dialog_) placeBeside(dialog_);
    show();
    raise();
    activateWindow();
}

// A modal dialog blocks input to every window but its own ones, so the help
// window becomes a window of the dialog for as long as the dialog is shown.
void HelpWindow::joinDialog(QWidget* dialog) {
    if (dialog_) dialog_->removeEventFilter(this);
    const QSize keep = size();
    setParent(dialog, Qt::Window);
    resize(keep);
    dialog_ = dialog;
    dialog_->installEventFilter(this);
}

void HelpWindow::leaveDialog() {
    dialog_->removeEventFilter(this);
    dialog_ = nullptr;
    // Hiding the dialog hid its windows with it; the help stays open unless
    // the user closed it.
    const bool open = !testAttribute(Qt::WA_WState_Hidden);
    const QRect keep = geometry();
    setParent(home_, Qt::Window);
    setGeometry(keep);
    if (open) show();
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* e) {
    // A dialog hides when it closes, also when it is deleted while shown.
    if (watched == dialog_ && e->type() == QEvent::Hide) leaveDialog();
    return QWidget::eventFilter(watched, e);
}

// To the right of the dialog, or to the left where there is more room there,
// as wide as the room allows; the top at the dialog's, inside the screen.
void HelpWindow::placeBeside(const QWidget* dialog) {
    const QRect d = dialog->frameGeometry();
    const QScreen* screen = dialog->screen() ? dialog->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QMargins frame(geometry().left() - frameGeometry().left(),
                         geometry().top() - frameGeometry().top(),
                         frameGeometry().right() - geometry().right(),
                         frameGeometry().bottom() - geometry().bottom());
    const int roomRight = area.right() - d.right();
    const int roomLeft = d.left() - area.left();
    const bool right = roomRight >= roomLeft;
    const int room = std::max(roomRight, roomLeft) - frame.left() - frame.right();
    const int w = std::max(std::min(width(), room), minimumSizeHint().width());
    const int h = std::min(height(), area.height() - frame.top() - frame.bottom());
    resize(w, h);
    const int outer = w + frame.left() + frame.right();
    const int x = right ? d.right() + 1 : d.left() - outer;
    const int lowest = area.bottom() + 1 - h - frame.top() - frame.bottom();
    const int y = std::clamp(d.top(), area.top(), std::max(area.top(), lowest));
    move(x, y);
}
