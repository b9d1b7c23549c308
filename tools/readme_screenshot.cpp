// Takes the README's picture: the main window with two example matrices side
// by side, the first solved with "&Lösung" and showing its protocol. Run by
// scripts/screenshot.sh on a virtual screen.
// Usage: readme_screenshot OUT.png FILE1 FILE2
#include <QApplication>
#include <QTimer>
#include <QWindow>

#include <cstdio>

#include "commandids.h"
#include "mainframe.h"
#include "ordoapp.h"
#include "sdidecframe.h"
#include "tmymdiclient.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lineon"));
    const QStringList args = QApplication::arguments();
    if (args.size() != 4) {
        std::fputs("Usage: readme_screenshot OUT.png FILE1 FILE2\n", stderr);
        return 64;
    }
    // Default settings, whatever the user running this has saved.
    ordoApp app(args.mid(2));
    MainFrame& frame = *app.mainWindow();
    frame.resize(960, 640);
    app.start();
    QCoreApplication::processEvents();

    TMyMDIClient& client = *frame.client();
    const QList<SDIDecFrame*> windows = client.documentWindows();
    if (windows.size() != 2) return 1;
    frame.execute(cmd::Tile);
    client.setActiveSubWindow(windows.back()); // the first file named
    if (!frame.execute(cmd::Loesung) || !frame.execute(cmd::ViewProtocol)) return 1;

    // Save the picture once the window system shows the window (at most 5 s).
    int attempts = 200;
    QTimer poll;
    poll.callOnTimeout([&] {
        QWindow* w = frame.windowHandle();
        if (--attempts > 0 && (!w || !w->isExposed())) return;
        poll.stop();
        QCoreApplication::processEvents();
        QCoreApplication::exit(frame.grab().save(args[1], "PNG") ? 0 : 1);
    });
    poll.start(25);
    return QApplication::exec();
}
