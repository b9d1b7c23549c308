#include "ordoapp.h"

#include <QApplication>
#include <QPrinter>
#include <QTimer>
#include <QWindow>

#include "bruchfonts.h"
#include "commandids.h"
#include "helpwindow.h"
#include "mainframe.h"
#include "ordoaboutdlg.h"
#include "prompts.h"
#include "qtgermantexts.h"
#include "qpainterdc.h"
#include "qsettingsstore.h"
#include "tmymdiclient.h"

ordoApp::ordoApp(const QStringList& arguments, SettingsStore* store) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--screenshot") && i + 1 < arguments.size())
            screenshot_ = arguments[++i];
        else
            files_ << arguments[i];
    }
    takeOverSettings(store);
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // Room for the paper grip of any printer until the page setup says otherwise.
    printer_->setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    frame_ = std::make_unique<MainFrame>();
    frame_->client()->setPrinter(printer_.get());
    frame_->client()->setSettingsStore(store);
    frame_->setHandler(cmd::PageSetup, [this] { pageSetup(); });
    frame_->setHandler(cmd::About, [this] { about(); });
    help_ = new HelpWindow(frame_.get());
    help_->setAttribute(Qt::WA_QuitOnClose, false); // closing the main window ends the program
    prompts::setHelpHandler([help = help_](QWidget*, int context) {
        if (help) help->showTopic(context);
    });
}

ordoApp::~ordoApp() { prompts::setHelpHandler(nullptr); }

HelpWindow* ordoApp::helpWindow() const { return help_; }

void ordoApp::takeOverSettings(const SettingsStore* store) {
    bruchfonts& s = settings();
    s.screenMetrics = &QPainterDc::screenMetrics; // the fonts as the screen measures them
    s.setDefaults();
    if (store) s.load(*store);
    s.setPaths(QCoreApplication::applicationDirPath().toStdString());
}

void ordoApp::pageSetup() { prompts::current().pageSetup(frame_.get(), *printer_); }

void ordoApp::about() {
    ordoAboutDlg dialog(frame_.get());
    dialog.exec();
}

void ordoApp::start() {
    frame_->show();
    QMetaObject::invokeMethod(
        this,
        [this] {
            frame_->client()->openCommandLineFiles(files_);
            frame_->updateCommandStates();
            if (!screenshot_.isEmpty()) screenshotWhenShown(200);
        },
        Qt::QueuedConnection);
}

// Waits (at most 200 x 25 ms) until the window system shows the main window,
// then saves its picture and ends the program: 0 when the picture was saved.
void ordoApp::screenshotWhenShown(int attemptsLeft) {
    QWindow* window = frame_->windowHandle();
    if (attemptsLeft > 0 && (!window || !window->isExposed())) {
        QTimer::singleShot(25, this,
                           [this, attemptsLeft] { screenshotWhenShown(attemptsLeft - 1); });
        return;
    }
    const bool saved = frame_->grab().save(screenshot_, "PNG");
    QCoreApplication::exit(saved ? 0 : 1);
}

int ordoApp::main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lineon"));
    installQtGermanTexts(application);
    QSettingsStore store;
    ordoApp app(QApplication::arguments().mid(1), &store);
    app.start();
    return QApplication::exec();
}
