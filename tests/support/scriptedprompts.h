#pragma once
#include <QPrinter>
#include <QString>

#include <deque>
#include <functional>
#include <vector>

#include "prompts.h"

// Prompts for tests: records every message and dialog that would have been
// shown, and answers from queues the test fills (an empty queue cancels).
// Installed for its lifetime; font dialogs and page setups are always cancelled.
class ScriptedPrompts : public prompts {
public:
    struct Shown {
        QString text, caption;
        MessageStyle style;
    };
    std::vector<Shown> messages;
    std::deque<Answer> answers;           // for message(); Yes or Ok when empty
    std::function<void()> beforeMessage;  // runs as each message comes
    std::vector<QString> dialogTitles;    // of open and save dialogs
    std::vector<FileNameRecord> proposed; // the record as each dialog got it
    std::deque<QString> files;            // chosen file names
    std::vector<int> helpContexts;
    std::deque<QString> printFiles; // each print dialog prints to this PDF file

    ScriptedPrompts() { prompts::install(this); }
    ~ScriptedPrompts() override { prompts::install(nullptr); }

    Answer message(QWidget*, const QString& text, const QString& caption,
                   MessageStyle style) override {
        if (beforeMessage) beforeMessage();
        messages.push_back({text, caption, style});
        return next(answers, style == MessageStyle::YesNoCancelQuestion ? Yes : Ok);
    }
    bool openFile(QWidget*, FileNameRecord& r, const QString& title) override {
        return choose(r, title);
    }
    bool saveFile(QWidget*, FileNameRecord& r, const QString& title) override {
        return choose(r, title);
    }
    void help(QWidget*, int context) override { helpContexts.push_back(context); }
    bool chooseFont(QWidget*, QFont&) override { return false; }
    bool printDialog(QWidget*, QPrinter& printer) override {
        if (printFiles.empty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(next(printFiles, {}));
        return true;
    }
    bool pageSetup(QWidget*, QPrinter&) override { return false; }

    QString lastText() const { return messages.empty() ? QString() : messages.back().text; }

private:
    template <class T> static T next(std::deque<T>& queue, T otherwise) {
        if (queue.empty()) return otherwise;
        T first = queue.front();
        queue.pop_front();
        return first;
    }
    bool choose(FileNameRecord& record, const QString& title) {
        dialogTitles.push_back(title);
        proposed.push_back(record);
        if (files.empty()) return false;
        record.fileName = next(files, {});
        return true;
    }
};
