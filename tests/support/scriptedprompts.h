#pragma once
#include <QFont>
#include <QPageLayout>
#include <QPrinter>
#include <QString>

#include <deque>
#include <functional>
#include <vector>

#include "prompts.h"

// Prompts for tests: records every message and dialog that would have been
// shown, and answers from queues the test fills. Installed for its lifetime.
class ScriptedPrompts : public prompts {
public:
    struct Shown {
        QString text, caption;
        MessageStyle style;
    };
    std::vector<Shown> messages;
    std::deque<Answer> answers; // for message(); Ok (or Yes) when empty
    std::function<void()> beforeMessage; // runs as each message comes

    std::vector<QString> dialogTitles;   // of open and save dialogs
    std::vector<FileNameRecord> proposed; // the record as each dialog got it
    std::deque<QString> files;           // chosen file names; an empty queue cancels

    std::vector<int> helpContexts;

    std::vector<QFont> proposedFonts; // the font each font dialog started from
    std::deque<QFont> fonts;          // chosen fonts; an empty queue cancels

    int printDialogs = 0;
    std::deque<QString> printFiles; // each print dialog prints to this PDF file; empty cancels

    int pageSetups = 0;
    std::deque<QPageLayout> pageLayouts; // what each page setup sets; empty cancels

    ScriptedPrompts() { prompts::install(this); }
    ~ScriptedPrompts() override { prompts::install(nullptr); }

    Answer message(QWidget*, const QString& text, const QString& caption,
                   MessageStyle style) override {
        if (beforeMessage) beforeMessage();
        messages.push_back({text, caption, style});
        if (answers.empty()) return style == MessageStyle::YesNoCancelQuestion ? Yes : Ok;
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    bool openFile(QWidget*, FileNameRecord& record, const QString& title) override {
        return choose(record, title);
    }
    bool saveFile(QWidget*, FileNameRecord& record, const QString& title) override {
        return choose(record, title);
    }
    void help(QWidget*, int context) override { helpContexts.push_back(context); }
    bool chooseFont(QWidget*, QFont& font) override {
        proposedFonts.push_back(font);
        if (fonts.empty()) return false;
        font = fonts.front();
        fonts.pop_front();
        return true;
    }
    bool printDialog(QWidget*, QPrinter& printer) override {
        ++printDialogs;
        if (printFiles.empty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printFiles.front());
        printFiles.pop_front();
        return true;
    }
    bool pageSetup(QWidget*, QPrinter& printer) override {
        ++pageSetups;
        if (pageLayouts.empty()) return false;
        printer.setPageLayout(pageLayouts.front());
        pageLayouts.pop_front();
        return true;
    }

    QString lastText() const { return messages.empty() ? QString() : messages.back().text; }

private:
    bool choose(FileNameRecord& record, const QString& title) {
        dialogTitles.push_back(title);
        proposed.push_back(record);
        if (files.empty()) return false;
        record.fileName = files.front();
        files.pop_front();
        return true;
    }
};
