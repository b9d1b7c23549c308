// The desktop program as a person starts and uses it: a main window off
// screen, scripted message boxes and file dialogs, files in a folder that
// disappears with the test, and the default settings.
#pragma once
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

#include "commandids.h"
#include "mainframe.h"
#include "modaldriver.h"
#include "ordoapp.h"
#include "scriptedprompts.h"
#include "sdidecframe.h"
#include "settingsfixtures.h"
#include "tmymdiclient.h"

// Texts in failure messages.
inline std::ostream& operator<<(std::ostream& os, const QString& s) {
    return os << '"' << s.toStdString() << '"';
}

class AppTest : public testing::Test {
protected:
    SettingsGuard settingsGuard;
    ScriptedPrompts prompts;
    QTemporaryDir dir;
    std::unique_ptr<ordoApp> app;

    // Starts the program with these command-line files and lets it open them.
    void start(const QStringList& files = {}) {
        app = std::make_unique<ordoApp>(files);
        app->start();
        QCoreApplication::processEvents();
        // The screen repaints while a message box is up: the view must not
        // draw from a discarded result (the sanitizer build sees any such read).
        prompts.beforeMessage = [this] {
            if (app && app->mainWindow() && active() && active()->widget())
                active()->widget()->grab();
        };
    }

    MainFrame& main() { return *app->mainWindow(); }
    TMyMDIClient& client() { return *main().client(); }
    SDIDecFrame* active() { return client().activeDocument(); }
    QList<SDIDecFrame*> windows() { return client().documentWindows(); }

    // The command as from its menu entry: false when it is disabled.
    bool run(int id) {
        if (!enabled(id)) return false;
        main().action(id)->trigger();
        return true;
    }
    bool enabled(int id) {
        main().updateCommandStates();
        return main().action(id) && main().action(id)->isEnabled();
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    QString write(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path(name);
    }
    static QByteArray read(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // "&Öffnen..." with this file.
    SDIDecFrame* open(const QString& name, const QByteArray& bytes) {
        prompts.files.push_back(write(name, bytes));
        EXPECT_TRUE(run(cmd::Open));
        return active();
    }
};
