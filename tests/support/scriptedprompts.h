#pragma once
#include <QString>

#include <deque>
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

    std::vector<QString> dialogTitles;   // of open and save dialogs
    std::vector<FileNameRecord> proposed; // the record as each dialog got it
    std::deque<QString> files;           // chosen file names; an empty queue cancels

    std::vector<int> helpContexts;

    ScriptedPrompts() { prompts::install(this); }
    ~ScriptedPrompts() override { prompts::install(nullptr); }

    Answer message(QWidget*, const QString& text, const QString& caption,
                   MessageStyle style) override {
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
