#include "tmymdiclient.h"

#include <QDialog>
#include <QFileInfo>

#include "commandids.h"
#include "csvfile.h"
#include "documentcopy.h"
#include "longreeltext.h"
#include "matrixfilerecord.h"
#include "new_dialog.h"
#include "options_dialog.h"
#include "refreshevent.h"
#include "sdidecframe.h"
#include "stringtable.h"
#include "systemclipboard.h"
#include "tablereader.h"
#include "toolicons.h"

TMyMDIClient::TMyMDIClient(QWidget* parent) : QMdiArea(parent) {
    setObjectName("mdiClient");
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

SDIDecFrame* TMyMDIClient::openDocumentWindow(std::unique_ptr<protstream> protocol,
                                              std::unique_ptr<MatrixObject> document,
                                              const FileNameRecord* record) {
    if (!document || !protocol) return nullptr;
    FileNameRecord fileData;
    const bool untitled = record == nullptr;
    if (untitled)
        fileData = matrixFileRecord(QStringLiteral("noname%1.mat").arg(untitledCount_++));
    else
        fileData = *record;

    const SDIDecFrame* active = activeDocument();
    const bool maximized = active && active->isMaximized();

    auto* frame =
        new SDIDecFrame(this, std::move(protocol), std::move(document), fileData, untitled);
    frame->setWindowIcon(ToolIcons::document());
    connect(frame, &SDIDecFrame::stateChanged, this, &TMyMDIClient::documentStateChanged);
    addSubWindow(frame);
    if (maximized) {
        frame->showMaximized();
    } else {
        // Cascaded, so that every caption stays visible.
        const int k = int(subWindowList().size() - 1) % 8;
        frame->setGeometry(k * 24, k * 24, 560, 380);
        frame->show();
    }
    setActiveSubWindow(frame);
    return frame;
}

void TMyMDIClient::openCommandLineFiles(const QStringList& files) {
    for (auto it = files.crbegin(); it != files.crend(); ++it) {
        if (it->size() >= 260) continue;
        const FileNameRecord record = matrixFileRecord(QFileInfo(*it).absoluteFilePath());
        MatrixFile::Loaded loaded = MatrixFile::read(record.fileName);
        if (loaded)
            openDocumentWindow(std::move(loaded.protocol), std::move(loaded.document), &record);
    }
}

QList<SDIDecFrame*> TMyMDIClient::documentWindows() const {
    QList<SDIDecFrame*> out;
    for (QMdiSubWindow* w : subWindowList(QMdiArea::CreationOrder))
        if (auto* frame = qobject_cast<SDIDecFrame*>(w)) out << frame;
    return out;
}

SDIDecFrame* TMyMDIClient::activeDocument() const {
    // currentSubWindow stays valid while the main window is not the active one
    // (a dialog is open, or the program runs off screen).
    return qobject_cast<SDIDecFrame*>(currentSubWindow());
}

std::optional<bool> TMyMDIClient::commandState(int id) const {
    switch (id) {
    case cmd::New:
    case cmd::Open:
    case cmd::Options:
    case cmd::Help:
    case cmd::OpenClipboard:
    case cmd::ImportCsv: return true;
    case cmd::Cascade:
    case cmd::Tile:
    case cmd::ArrangeIcons:
    case cmd::CloseAll: return !subWindowList().isEmpty();
    default: return std::nullopt;
    }
}

void TMyMDIClient::command(int id) {
    switch (id) {
    case cmd::New: newMatrix(); break;
    case cmd::Open: open(); break;
    case cmd::Options:
        if (options_dialog::execute(this, store_)) refreshViews();
        break;
    case cmd::Help: prompts::current().help(this, 0); break;
    case cmd::Cascade: cascadeSubWindows(); break;
    case cmd::Tile: tileSubWindows(); break;
    case cmd::ArrangeIcons: arrangeIcons(); break;
    case cmd::CloseAll: closeAll(); break;
    case cmd::OpenClipboard: openClipboard(); break;
    case cmd::ImportCsv: importCsv(); break;
    default: break;
    }
}

void TMyMDIClient::newMatrix() {
    NewMatrixTransfer transfer;
    new_dialog dialog(this, transfer);
    if (dialog.exec() != QDialog::Accepted) return;
    auto protocol = std::make_unique<protstream>();
    auto doc = newDocument(transfer.kind, protocol.get(), transfer.rows, transfer.cols);
    openDocumentWindow(std::move(protocol), std::move(doc));
}

void TMyMDIClient::open() {
    FileNameRecord record = matrixFileRecord();
    if (!prompts::current().openFile(this, record, QString())) return;
    MatrixFile::Loaded loaded = MatrixFile::read(record.fileName);
    if (!loaded) {
        std::string text = strings::load(strings::CannotOpen);
        if (loaded.numberTooLong)
            text += "\n" + strings::format(strings::NumberTooLong, int(longreelMaxDigits));
        prompts::current().message(this, QString::fromStdString(text), QStringLiteral("OH NO"),
                                   MessageStyle::Ok);
        return;
    }
    openDocumentWindow(std::move(loaded.protocol), std::move(loaded.document), &record);
}

void TMyMDIClient::openClipboard() {
    auto protocol = std::make_unique<protstream>();
    std::string error;
    auto doc = TableReader::readDocument(SystemClipboard::text(), protocol.get(), error);
    if (!doc) {
        prompts::current().message(this,
                                   QString::fromUtf8(strings::load(strings::ClipboardNotOpened)) +
                                       QString::fromStdString(error),
                                   QString::fromUtf8(strings::load(strings::ClipboardTitle)),
                                   MessageStyle::Information);
        return;
    }
    openDocumentWindow(std::move(protocol), std::move(doc));
}

void TMyMDIClient::importCsv() {
    FileNameRecord record;
    record.filter = QStringLiteral("CSV(*.csv)|*.csv|Text(*.txt)|*.txt|Alle Dateien(*.*)|*.*");
    record.defaultExtension = QStringLiteral("csv");
    if (!prompts::current().openFile(this, record, QStringLiteral("Importieren"))) return;
    std::string error;
    MatrixFile::Loaded loaded = CsvFile::read(record.fileName, error);
    if (!loaded) {
        prompts::current().message(
            this,
            QString::fromUtf8(strings::load(strings::NotImported)) + QString::fromStdString(error),
            QString::fromUtf8(strings::load(strings::OhNoTitle)), MessageStyle::Ok);
        return;
    }
    // Untitled: "&Speichern" must not write the matrix format over the CSV file.
    openDocumentWindow(std::move(loaded.protocol), std::move(loaded.document));
}

// Minimized windows in a row along the bottom edge, in the order they were opened.
void TMyMDIClient::arrangeIcons() {
    int x = 0;
    const int bottom = viewport()->height();
    for (QMdiSubWindow* w : subWindowList(QMdiArea::CreationOrder)) {
        if (!w->isMinimized()) continue;
        w->move(x, bottom - w->height());
        x += w->width();
    }
}

bool TMyMDIClient::closeAll() {
    const QList<SDIDecFrame*> windows = documentWindows();
    for (SDIDecFrame* w : windows)
        if (!w->mayClose()) return false;
    for (SDIDecFrame* w : windows) w->closeAgreed();
    return true;
}

void TMyMDIClient::refreshViews() {
    for (SDIDecFrame* w : documentWindows())
        if (QWidget* view = w->widget()) postRefresh(view);
}
