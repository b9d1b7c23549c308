#include "prompts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QStringList>

namespace {

std::function<void(QWidget*, int)>& helpHandler() {
    static std::function<void(QWidget*, int)> handler;
    return handler;
}

// "Text(*.txt)|*.txt|Alle Dateien(*.*)|*.*" as Qt writes filters:
// "Text(*.txt) (*.txt);;Alle Dateien(*.*) (*.*)".
QStringList qtFilters(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    return out;
}

void takeChoice(FileNameRecord& record, const QFileDialog& dialog) {
    record.fileName = dialog.selectedFiles().value(0);
    record.filterIndex = int(qtFilters(record.filter).indexOf(dialog.selectedNameFilter()));
    if (record.filterIndex < 0) record.filterIndex = 0;
}

class RealPrompts : public prompts {
public:
    Answer message(QWidget* parent, const QString& text, const QString& caption,
                   MessageStyle style) override {
        QMessageBox box(parent);
        box.setWindowTitle(caption);
        box.setText(text);
        switch (style) {
        case MessageStyle::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case MessageStyle::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case MessageStyle::Information:
            box.setIcon(QMessageBox::Information);
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageStyle::Stop:
            box.setIcon(QMessageBox::Critical);
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageStyle::YesNoCancelQuestion:
            box.setIcon(QMessageBox::Question);
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        }
        switch (box.exec()) {
        case QMessageBox::Yes: return Yes;
        case QMessageBox::No: return No;
        case QMessageBox::Cancel: return Cancel;
        default: return Ok;
        }
    }

    bool openFile(QWidget* parent, FileNameRecord& record, const QString& title) override {
        QFileDialog dialog(parent, title);
        prepare(dialog, record);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(record.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        if (dialog.exec() != QDialog::Accepted) return false;
        takeChoice(record, dialog);
        return true;
    }

    bool saveFile(QWidget* parent, FileNameRecord& record, const QString& title) override {
        QFileDialog dialog(parent, title);
        prepare(dialog, record);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (dialog.exec() != QDialog::Accepted) return false;
        takeChoice(record, dialog);
        return true;
    }

    void help(QWidget* parent, int context) override {
        if (helpHandler()) helpHandler()(parent, context);
    }

    bool chooseFont(QWidget* parent, QFont& font) override {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, font, parent);
        if (ok) font = chosen;
        return ok;
    }

    bool printDialog(QWidget* parent, QPrinter& printer) override {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    bool pageSetup(QWidget* parent, QPrinter& printer) override {
        QPageSetupDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

private:
    static void prepare(QFileDialog& dialog, const FileNameRecord& record) {
        const QStringList filters = qtFilters(record.filter);
        dialog.setNameFilters(filters);
        if (record.filterIndex >= 0 && record.filterIndex < filters.size())
            dialog.selectNameFilter(filters[record.filterIndex]);
        dialog.setDefaultSuffix(record.defaultExtension);
        if (!record.fileName.isEmpty()) {
            const QFileInfo info(record.fileName);
            if (info.isAbsolute()) dialog.setDirectory(info.absolutePath());
            dialog.selectFile(info.fileName());
        }
    }
};

prompts*& installed() {
    static prompts* p = nullptr;
    return p;
}

} // namespace

prompts& prompts::current() {
    static RealPrompts real;
    return installed() ? *installed() : real;
}

void prompts::install(prompts* p) { installed() = p; }

void prompts::setHelpHandler(std::function<void(QWidget*, int)> handler) {
    helpHandler() = std::move(handler);
}
