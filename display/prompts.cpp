#include "prompts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QStringList>

#include <algorithm>

#include "stringtable.h"

namespace {

std::function<void(QWidget*, int)>& helpHandler() {
    static std::function<void(QWidget*, int)> handler;
    return handler;
}

} // namespace

// "Matrix Dateien|*.mtx|Text(*.txt)|*.txt" as Qt writes filters:
// "Matrix Dateien (*.mtx);;Text(*.txt)". A caption that already names its
// patterns in brackets is shown as it is, not with them a second time.
QStringList prompts::nameFilters(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString& caption = parts[i];
        if (caption.endsWith(')') && caption.contains('('))
            out << caption;
        else
            out << caption + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    }
    return out;
}

namespace {

void takeChoice(FileNameRecord& record, const QFileDialog& dialog) {
    record.fileName = dialog.selectedFiles().value(0);
    const QStringList filters = prompts::nameFilters(record.filter);
    record.filterIndex = int(filters.indexOf(dialog.selectedNameFilter()));
    if (record.filterIndex < 0) record.filterIndex = 0;
}

class RealPrompts : public prompts {
public:
    Answer message(QWidget* parent, const QString& text, const QString& caption,
                   MessageStyle style) override {
        QMessageBox box(parent);
        QAbstractButton* longButton = nullptr;
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
        case MessageStyle::StopOrLongFractions:
            box.setIcon(QMessageBox::Critical);
            box.setStandardButtons(QMessageBox::Ok);
            longButton =
                box.addButton(QString::fromUtf8(strings::load(strings::LongOverflowButton)),
                              QMessageBox::AcceptRole);
            longButton->setObjectName("longFractions");
            break;
        }
        const int chosen = box.exec();
        if (longButton != nullptr && box.clickedButton() == longButton) return Yes;
        switch (chosen) {
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
        // The dialog lists installed faces in whole points: a face such as
        // "Arial" that another one stands in for opens at the face that is
        // drawn, at its size, instead of at the dialog's default.
        const QFontInfo drawn(font);
        QFont start(drawn.family());
        start.setPointSize(std::max(1, qRound(drawn.pointSizeF())));
        start.setWeight(QFont::Weight(drawn.weight()));
        start.setItalic(drawn.italic());
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, start, parent);
        if (!ok) return false;
        // OK without a change keeps the font exactly as it was given.
        const bool unchanged =
            chosen.family() == start.family() && chosen.pointSize() == start.pointSize() &&
            chosen.weight() == start.weight() && chosen.italic() == start.italic();
        if (!unchanged) font = chosen;
        return true;
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
        const QStringList filters = prompts::nameFilters(record.filter);
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
