#pragma once
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <memory>

class HelpWindow;
class MainFrame;
class QPrinter;
class SettingsStore;

// The application: takes over the stored settings and measures the fonts on
// the screen, builds the main window, the help window and the printer, and
// once the event loop runs opens the matrix files named on the command line.
// Handles the page setup and the about box.
class ordoApp : public QObject {
    Q_OBJECT
public:
    // arguments: the command line without the program name: matrix files, and
    // the hidden "--screenshot FILE" used by the end-to-end test (saves a
    // picture of the main window once it is on the screen, then quits).
    // store: where the settings live, read at start and written by the
    // options dialog's "Speichern"; null keeps the defaults and saves nowhere.
    explicit ordoApp(const QStringList& arguments, SettingsStore* store = nullptr);
    ~ordoApp() override;

    MainFrame* mainWindow() const { return frame_.get(); }
    HelpWindow* helpWindow() const;
    // The printer of every print command and of the page setup.
    QPrinter& printer() const { return *printer_; }
    const QStringList& files() const { return files_; }

    // Shows the main window; the command-line files open once the event loop
    // runs (or the posted events are processed).
    void start();

    // The whole program on a command line; returns the exit code.
    static int main(int argc, char** argv);

private:
    static void takeOverSettings(const SettingsStore* store);
    void screenshotWhenShown(int attemptsLeft);
    void pageSetup();
    void about();

    QStringList files_;
    QString screenshot_;
    std::unique_ptr<QPrinter> printer_; // outlives the windows that print with it
    std::unique_ptr<MainFrame> frame_;
    QPointer<HelpWindow> help_;
};
