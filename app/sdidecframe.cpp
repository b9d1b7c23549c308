#include "sdidecframe.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QStatusBar>
#include <QUndoStack>

#include "bruchfonts.h"
#include "commandtable.h"
#include "csvfile.h"
#include "documentcopy.h"
#include "editmain.h"
#include "matrixchange.h"
#include "matrix2_dialog.h"
#include "matrixfile.h"
#include "matrixfilerecord.h"
#include "menus.h"
#include "outcomemessage.h"
#include "pivotiere_dialog.h"
#include "printprogress.h"
#include "protmatrix.h"
#include "protocolexport.h"
#include "protprintout.h"
#include "protview.h"
#include "refreshevent.h"
#include "stringtable.h"
#include "systemclipboard.h"
#include "documenthost.h"
#include "visitkind.h"

namespace {

const QString ohNo = QString::fromUtf8(strings::load(strings::OhNoTitle));

// Print jobs of more pages are asked for first.
constexpr int manyPages = 50;

// The document's file name with another extension, proposed for exports.
QString withSuffix(const QString& name, const QString& suffix) {
    const QFileInfo info(name);
    const QString base = info.completeBaseName() + QLatin1Char('.') + suffix;
    return info.path() == QLatin1String(".") ? base : info.dir().filePath(base);
}

// The file record of an export: the document's name with the export's suffix.
FileNameRecord exportRecord(FileNameRecord record, const QString& documentName,
                            const QString& filter, const QString& suffix) {
    record.filter = filter;
    record.defaultExtension = suffix;
    record.filterIndex = 0;
    record.fileName = withSuffix(documentName, suffix);
    return record;
}

} // namespace

SDIDecFrame::SDIDecFrame(DocumentHost* host, std::unique_ptr<protstream> protocol,
                         std::unique_ptr<MatrixObject> source, const FileNameRecord& fileData,
                         bool untitled)
    : host_(host), protocol_(std::move(protocol)), source_(std::move(source)), untitled_(untitled),
      modified_(untitled), fileData_(fileData), protocolFileData_(protocolFileRecord()) {
    setAttribute(Qt::WA_DeleteOnClose);
    run_.source = source_.get();
    run_.protocol = protocol_.get();
    undoStack_ = new QUndoStack(this);
    undoStack_->setUndoLimit(200);
    connect(undoStack_, &QUndoStack::indexChanged, this, &SDIDecFrame::sourceChanged);

    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName("contextMenu");
    for (const menus::Entry& e : menus::contextMenu()) {
        if (e.kind == menus::Entry::Separator) {
            popupMenu_->addSeparator();
        } else {
            QAction* a = popupMenu_->addAction(QString::fromUtf8(e.text));
            a->setData(e.id);
        }
    }
    showSource();
}

SDIDecFrame::~SDIDecFrame() {
    // The stack reports its clearing as it goes; no longer to this half-gone window.
    disconnect(undoStack_, nullptr, this, nullptr);
    delete undoStack_;
    // Views first: they point into the documents and records owned here.
    QWidget* current = widget();
    setWidget(nullptr);
    delete current;
    for (QObject* old : findChildren<QWidget*>("discardedView", Qt::FindDirectChildrenOnly))
        delete old;
}

std::optional<bool> SDIDecFrame::commandState(int id) const {
    // The editor's commands have a handler only while the editor is the view.
    if (editmain::handles(id)) {
        if (view_ == DocumentView::Source) return true;
        return std::nullopt;
    }
    switch (id) {
    case cmd::Save:
    case cmd::SaveAs:
    case cmd::Print:
    case cmd::ViewSource:
    case cmd::Duplicate:
    case cmd::AlgorithmHelp: return true;
    case cmd::ViewResult: return run_.hasResult;
    // An overflowed run shows its protocol up to the failing step, even as
    // the window's first run: that protocol can be shown, saved and exported.
    case cmd::SaveProtocol:
    case cmd::ViewProtocol:
    case cmd::ExportProtocol: return run_.hasResult || !protocol_->records().empty();
    case cmd::SaveResult:
    case cmd::ResultAsSource: return resultIsMatrix();
    case cmd::OpenAsFloat: return source_->kind() != NumberKind::Float;
    case cmd::OpenAsLong: return source_->kind() != NumberKind::Long;
    case cmd::ExportCsv: return true;
    // Undo belongs to the editor's view, as the changes it takes back do.
    case cmd::Undo: return view_ == DocumentView::Source && undoStack_->canUndo();
    case cmd::Redo: return view_ == DocumentView::Source && undoStack_->canRedo();
    default: break;
    }
    if (cmd::algorithmOf(id) != 0) return true;
    return std::nullopt;
}

void SDIDecFrame::command(int id) {
    if (editmain::handles(id)) {
        if (auto* editor = qobject_cast<editmain*>(widget())) editor->command(id);
        emit stateChanged();
        return;
    }
    switch (id) {
    case cmd::Save: save(); break;
    case cmd::SaveAs: saveAs(); break;
    case cmd::SaveResult: saveResult(); break;
    case cmd::SaveProtocol: saveProtocol(); break;
    case cmd::Print: print(); break;
    case cmd::ViewSource: showSource(); break;
    case cmd::ViewResult: showResult(); break;
    case cmd::ViewProtocol: showProtocol(); break;
    case cmd::Duplicate: duplicate(); break;
    case cmd::ResultAsSource: resultAsSource(); break;
    case cmd::OpenAsFloat: openAsFloat(); break;
    case cmd::OpenAsLong: openAsLong(); break;
    case cmd::AlgorithmHelp: algorithmHelp(); break;
    case cmd::ExportCsv: exportCsv(); break;
    case cmd::ExportProtocol: exportProtocol(); break;
    case cmd::Undo:
        if (view_ == DocumentView::Source) undoStack_->undo();
        break;
    case cmd::Redo:
        if (view_ == DocumentView::Source) undoStack_->redo();
        break;
    default: {
        const int number = cmd::algorithmOf(id);
        if (cmd::isTwoOperand(number))
            runWithOperand(number);
        else if (number != 0)
            runAlgorithm(number);
        break;
    }
    }
    emit stateChanged();
}

// --- views -----------------------------------------------------------------

void SDIDecFrame::setView(QWidget* view, DocumentView which) {
    QWidget* old = widget();
    setWidget(view);
    view->show();
    view->setFocus();
    if (old) {
        // Not deleted at once: the old view may be the one whose event (a
        // right click, a key) brought us here.
        old->hide();
        old->setParent(this);
        old->setObjectName("discardedView");
        old->deleteLater();
    }
    view_ = which;
    updateCaption();
}

void SDIDecFrame::showSource() {
    auto* editor = new editmain(source_.get(), this);
    editor->setObjectName("sourceView");
    setView(editor, DocumentView::Source);
}

void SDIDecFrame::showResult() {
    if (!run_.result) return;
    if (!resultRecord_)
        resultRecord_ =
            std::make_shared<const protmatrix>(copyDocument(*run_.result, protocol_.get()));
    auto* view = new protview(resultRecord_, settings());
    view->setObjectName("resultView");
    setView(view, DocumentView::Result);
}

void SDIDecFrame::showProtocol() {
    if (!run_.result) return;
    auto* view = new protview(protocol_, settings());
    view->setObjectName("protocolView");
    setView(view, DocumentView::Protocol);
}

void SDIDecFrame::updateCaption() {
    setWindowTitle(documentCaption(fileData_.fileName, source_->rows(), source_->cols(), view_,
                                   run_.algorithm));
    emit stateChanged();
}

void SDIDecFrame::setModified() { modified_ = true; }

void SDIDecFrame::showStatus(const QString& text) {
    if (auto* frame = qobject_cast<QMainWindow*>(window())) frame->statusBar()->showMessage(text);
}

void SDIDecFrame::recordChange(std::unique_ptr<QUndoCommand> change) {
    // The change is made and shown already; pushing runs its (empty) first redo.
    pushing_ = true;
    undoStack_->push(change.release());
    pushing_ = false;
}

bool SDIDecFrame::isModified() const { return modified_ || !undoStack_->isClean(); }

void SDIDecFrame::markSaved() {
    untitled_ = modified_ = false;
    undoStack_->setClean();
}

void SDIDecFrame::sourceChanged(int index) {
    // One step back undid the step at the new index, one step on redid the
    // one at the old; the editor then renders only its cells.
    const QUndoCommand* step = index == shownIndex_ - 1   ? undoStack_->command(index)
                               : index == shownIndex_ + 1 ? undoStack_->command(shownIndex_)
                                                          : nullptr;
    shownIndex_ = index;
    if (pushing_) return; // the editor shows its own change
    if (auto* editor = qobject_cast<editmain*>(widget()); editor && view_ == DocumentView::Source)
        editor->showChangedMatrix(dynamic_cast<const SourceChange*>(step));
    updateCaption();
}

void SDIDecFrame::openDocument(std::unique_ptr<protstream> protocol,
                               std::unique_ptr<MatrixObject> document) {
    host_->openDocumentWindow(std::move(protocol), std::move(document), nullptr);
}

// --- algorithm commands ----------------------------------------------------

void SDIDecFrame::runAlgorithm(int number) {
    AlgorithmCommand::Outcome refusal;
    if (AlgorithmCommand::refuses(number, *source_, refusal)) {
        showOutcome(refusal);
        return;
    }
    PivotTransfer pivot;
    if (number == AlgorithmCommand::Pivotiere) {
        pivotiere_dialog dialog(this, *source_, pivot);
        if (dialog.exec() != QDialog::Accepted) return;
    }
    runChosen(number, pivot.row, pivot.column, nullptr);
}

void SDIDecFrame::runWithOperand(int number) {
    // Without operand the view stays.
    runChosen(number, 0, 0, chooseOperand(number));
}

void SDIDecFrame::runChosen(int number, int pivotRow, int pivotColumn,
                            const MatrixObject* operand) {
    // A run discards the result record; a result view still showing it (a
    // message box comes before the view switch) keeps its share.
    resultRecord_.reset();
    const bool twoOperands = cmd::isTwoOperand(number);
    const bool repeatLong =
        showOutcome(twoOperands ? AlgorithmCommand::runWithOperand(run_, number, operand)
                                : AlgorithmCommand::run(run_, number, pivotRow, pivotColumn));
    if (!repeatLong) return;
    // The same command on long copies, in a new window: one click from the
    // overflow to the exact answer. The operand window is still there, as the
    // message box was modal.
    SDIDecFrame* frame = openCopy(*source_, longCopy);
    const std::unique_ptr<MatrixObject> longOperand =
        operand != nullptr ? longCopy(*operand, nullptr) : nullptr;
    if (frame != nullptr) frame->runChosen(number, pivotRow, pivotColumn, longOperand.get());
}

const MatrixObject* SDIDecFrame::chooseOperand(int number) {
    std::vector<std::pair<QString, SDIDecFrame*>> candidates;
    const QList<SDIDecFrame*> windows = host_->documentWindows();
    for (SDIDecFrame* w : windows)
        if (w != this && AlgorithmCommand::operandFits(number, *source_, w->source()))
            candidates.emplace_back(w->windowTitle(), w);
    // Two windows of one file have one caption: such entries carry the
    // window's number in the "&Fenster" menu.
    QStringList captions;
    for (const auto& c : candidates) captions << c.first;
    for (auto& c : candidates)
        if (captions.count(c.first) > 1)
            c.first += QStringLiteral(" [Fenster %1]").arg(windows.indexOf(c.second) + 1);
    if (candidates.empty()) {
        showOutcomeMessage({AlgorithmCommand::Kind::Refused, strings::NoOperand,
                            AlgorithmCommand::noOperandText(number, *source_)});
        return nullptr;
    }
    // Listed sorted by caption; the index chosen names its window even when
    // two captions are equal.
    std::stable_sort(candidates.begin(), candidates.end(), [](const auto& a, const auto& b) {
        return QString::compare(a.first, b.first, Qt::CaseInsensitive) < 0;
    });
    Matrix2Transfer transfer;
    for (const auto& c : candidates) transfer.entries << c.first;
    matrix2_dialog dialog(this, transfer);
    if (dialog.exec() != QDialog::Accepted || transfer.selected < 0 ||
        transfer.selected >= int(candidates.size()))
        return nullptr;
    return &candidates[std::size_t(transfer.selected)].second->source();
}

void SDIDecFrame::showOutcomeMessage(const AlgorithmCommand::Outcome& outcome) {
    const OutcomeMessage box = outcomeMessage(outcome.textId);
    message(outcome.text, box.caption, box.style);
}

bool SDIDecFrame::showOutcome(const AlgorithmCommand::Outcome& outcome) {
    using Kind = AlgorithmCommand::Kind;
    switch (outcome.kind) {
    case Kind::Result: showResult(); break;
    case Kind::Overflow: {
        const OutcomeMessage box = outcomeMessage(outcome.textId);
        const bool repeat = message(outcome.text, box.caption, box.style) == prompts::Yes;
        showProtocol();
        return repeat;
    }
    case Kind::NoResult:
    case Kind::OutOfMemory:
        showOutcomeMessage(outcome);
        showProtocol();
        break;
    case Kind::Refused: showOutcomeMessage(outcome); break;
    case Kind::NoOperand:
        // The view stays; the protocol it may show was emptied by the reset.
        if (QWidget* view = widget()) postRefresh(view);
        break;
    }
    return false;
}

// The topic of the algorithm last run; before any run, the overview of them.
void SDIDecFrame::algorithmHelp() {
    const cmd::Command* topic = cmd::findAlgorithm(run_.algorithm);
    if (!topic) topic = cmd::find(cmd::AlgorithmHelp);
    prompts::current().help(this, topic->helpContext);
}

// --- file commands ---------------------------------------------------------

bool SDIDecFrame::writeMatrixFile(const QString& name, const MatrixObject& doc) {
    if (MatrixFile::write(name, doc, settings().floatFormat())) return true;
    message(strings::format(strings::WriteError), ohNo, MessageStyle::Ok);
    return false;
}

void SDIDecFrame::save() {
    if (untitled_) {
        saveAs();
        return;
    }
    if (writeMatrixFile(fileData_.fileName, *source_)) markSaved();
}

void SDIDecFrame::saveAs() {
    FileNameRecord chosen = fileData_;
    if (!prompts::current().saveFile(this, chosen,
                                     QString::fromUtf8(strings::load(strings::SaveSourceTitle))))
        return;
    // A failed write keeps the old name: the window must not claim a file
    // that was never written.
    if (!writeMatrixFile(chosen.fileName, *source_)) return;
    fileData_ = chosen;
    markSaved();
    updateCaption();
}

bool SDIDecFrame::resultIsMatrix() const {
    // No solution or an overflow leave an empty result; the image of a zero
    // matrix has rows but no column. Neither is a matrix to save or open.
    return run_.hasResult && run_.result && run_.result->rows() > 0 && run_.result->cols() > 0;
}

void SDIDecFrame::saveResult() {
    if (!resultIsMatrix()) return;
    // Proposes the document's own name, but the choice is the result's only:
    // the source keeps its file, its name and its saved state.
    FileNameRecord chosen = fileData_;
    if (!prompts::current().saveFile(this, chosen,
                                     QString::fromUtf8(strings::load(strings::SaveResultTitle))))
        return;
    writeMatrixFile(chosen.fileName, *run_.result);
}

void SDIDecFrame::saveProtocol() {
    if (!prompts::current().saveFile(this, protocolFileData_, QString())) return;
    if (!MatrixFile::writeProtocol(protocolFileData_.fileName, *protocol_))
        message(strings::format(strings::ProtocolNotSaved), ohNo, MessageStyle::Ok);
}

void SDIDecFrame::exportCsv() {
    FileNameRecord chosen =
        exportRecord(fileData_, fileData_.fileName,
                     QStringLiteral("CSV(*.csv)|*.csv|Text(*.txt)|*.txt|Alle Dateien(*.*)|*.*"),
                     QStringLiteral("csv"));
    if (!prompts::current().saveFile(this, chosen, QStringLiteral("Exportieren"))) return;
    // An export is no save: the matrix keeps its file and its modified state.
    if (!CsvFile::write(chosen.fileName, *source_, SystemClipboard::options()))
        message(strings::format(strings::WriteError), ohNo, MessageStyle::Ok);
}

void SDIDecFrame::exportProtocol() {
    FileNameRecord chosen =
        exportRecord(protocolFileData_, fileData_.fileName,
                     QStringLiteral("LaTeX(*.tex)|*.tex|HTML(*.html)|*.html|Alle Dateien(*.*)|*.*"),
                     QStringLiteral("tex"));
    if (!prompts::current().saveFile(this, chosen, QStringLiteral("Protokoll exportieren"))) return;
    // The name decides the form: .html or .htm gives the web page, all else LaTeX.
    const QString suffix = QFileInfo(chosen.fileName).suffix().toLower();
    const FloatFormat format = settings().floatFormat();
    // The explanations go with it as the view shows them.
    const bool notes = settings().notizen;
    const std::string text =
        suffix == QLatin1String("html") || suffix == QLatin1String("htm")
            ? ProtocolExport::html(*protocol_, format, windowTitle().toStdString(), notes)
            : ProtocolExport::latex(*protocol_, format, notes);
    if (!MatrixFile::writeBytes(chosen.fileName, text))
        message(strings::format(strings::ProtocolNotSaved), ohNo, MessageStyle::Ok);
}

bool SDIDecFrame::mayClose() {
    if (!isModified() && !untitled_) return true;
    const std::string text =
        strings::format(strings::CloseQuestion, source_->rows(), source_->cols(),
                        numberKindName(source_->kind()), fileData_.fileName.toUtf8().constData());
    switch (message(text, QString::fromUtf8(strings::load(strings::MomentTitle)),
                    MessageStyle::YesNoCancelQuestion)) {
    case prompts::Cancel: return false;
    case prompts::No: return true;
    case prompts::Yes:
    case prompts::Ok: break;
    }
    save();
    return !untitled_ && !isModified();
}

void SDIDecFrame::closeAgreed() {
    closeAgreed_ = true;
    close();
}

void SDIDecFrame::closeEvent(QCloseEvent* e) {
    if (!closeAgreed_ && !mayClose()) {
        e->ignore();
        return;
    }
    closeAgreed_ = true;
    QMdiSubWindow::closeEvent(e);
}

// --- printing --------------------------------------------------------------

void SDIDecFrame::print() {
    QPrinter* printer = host_->printer();
    if (!printer) return;
    // The matrix views print a copy of their matrix as a record of its own;
    // the protocol prints itself.
    std::unique_ptr<protmatrix> copy;
    const protobject* material = protocol_.get();
    if (view_ != DocumentView::Protocol) {
        const MatrixObject& shown =
            view_ == DocumentView::Result && run_.result ? *run_.result : *source_;
        copy = std::make_unique<protmatrix>(copyDocument(shown, protocol_.get()));
        material = copy.get();
    }
    ProtPrintout printout(windowTitle(), *material);
    if (!prompts::current().printDialog(this, *printer)) return;
    PrintProgress progress(this, host_->documentArea());
    ProtPrintout::Hooks hooks;
    // A protocol of a large matrix can fill thousands of pages.
    hooks.confirm = [this](int pages) {
        return pages <= manyPages || message(strings::format(strings::PrintPages, pages),
                                             QString::fromUtf8(strings::load(strings::PrintTitle)),
                                             MessageStyle::OkCancel) == prompts::Ok;
    };
    hooks.progress = [&progress](int done, int total) { return progress.printed(done, total); };
    if (printout.print(*printer, hooks) == ProtPrintout::Outcome::Failed)
        message(strings::format(strings::PrintNotStarted), ohNo, MessageStyle::Ok);
}

// --- new windows from this one ---------------------------------------------

SDIDecFrame* SDIDecFrame::openCopy(const MatrixObject& from, CopyMaker make) {
    auto protocol = std::make_unique<protstream>();
    auto copy = make(from, protocol.get());
    return host_->openDocumentWindow(std::move(protocol), std::move(copy), nullptr);
}

void SDIDecFrame::duplicate() { openCopy(*source_, copyDocument); }

void SDIDecFrame::resultAsSource() {
    if (resultIsMatrix()) openCopy(*run_.result, copyDocument);
}

void SDIDecFrame::openAsFloat() {
    if (source_->kind() != NumberKind::Float) openCopy(*source_, floatCopy);
}

void SDIDecFrame::openAsLong() {
    if (source_->kind() != NumberKind::Long) openCopy(*source_, longCopy);
}

// --- context menu ----------------------------------------------------------

QMenu* SDIDecFrame::prepareContextMenu() {
    for (QAction* a : popupMenu_->actions())
        if (!a->isSeparator()) a->setEnabled(commandState(a->data().toInt()).value_or(false));
    return popupMenu_;
}

void SDIDecFrame::contextMenuEvent(QContextMenuEvent* e) {
    // Clicks on the frame and title bar keep the sub-window's own menu.
    if (!widget() || !widget()->geometry().contains(e->pos())) {
        QMdiSubWindow::contextMenuEvent(e);
        return;
    }
    e->accept();
    QPointer<SDIDecFrame> self(this);
    QAction* chosen = prepareContextMenu()->exec(e->globalPos());
    if (self && chosen) command(chosen->data().toInt());
}

prompts::Answer SDIDecFrame::message(const std::string& text, const QString& caption,
                                     MessageStyle style) {
    return prompts::current().message(this, QString::fromStdString(text), caption, style);
}
