// Printing through "&Drucken": what the window shows goes into a PDF file (no
// printer needed), cut into pages in the printer's units with the page
// setup's margins, and looks like the screen at the printer's resolution.
// The PDF is read back with pdfinfo, pdftotext and pdftoppm (poppler-utils).
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>

#include "appfixture.h"
#include "matrixreel.h"
#include "protmatrix.h"
#include "protprintout.h"

namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(30000)) return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString& file) {
    const auto m = QRegularExpression("Pages:\\s+(\\d+)").match(run("pdfinfo", {file}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The first page as a grey image of dpi pixels to the inch.
QImage pdfPage(const QString& file, int dpi) {
    const QString prefix = file + "-seite";
    run("pdftoppm", {"-gray", "-png", "-singlefile", "-r", QString::number(dpi), file, prefix});
    return QImage(prefix + ".png").convertToFormat(QImage::Format_Grayscale8);
}

// The thickness in pixels of each fraction bar, from the top: bars are the
// bands of image rows with a run of ink nearly as long as the longest one;
// digits have no such runs.
std::vector<int> barThicknesses(const QImage& image) {
    std::vector<int> longest;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        int run = 0, most = 0;
        for (int x = 0; x < image.width(); ++x)
            most = std::max(most, run = row[x] < 128 ? run + 1 : 0);
        longest.push_back(most);
    }
    const int bar = longest.empty() ? 0 : *std::max_element(longest.begin(), longest.end());
    std::vector<int> bars;
    for (std::size_t y = 0; y < longest.size(); ++y) {
        const bool inBar = bar > 0 && longest[y] >= bar * 4 / 5;
        if (inBar && (y == 0 || longest[y - 1] < bar * 4 / 5)) bars.push_back(0);
        if (inBar) ++bars.back();
    }
    return bars;
}

QStringList pdfWords(const QString& file) {
    return run("pdftotext", {file, "-"}).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
}

// A matrix file of one column holding 1 to rows.
QByteArray column(int rows) {
    QByteArray bytes = QByteArray::number(rows) + "\t1\r\n";
    for (int r = 1; r <= rows; ++r) bytes += QByteArray::number(r) + "\t\r\n";
    return bytes;
}

QStringList numbers(int from, int to) {
    QStringList out;
    for (int i = from; i <= to; ++i) out << QString::number(i);
    return out;
}

} // namespace

TEST_F(AppTest, PrintingTheProtocolWritesItsLinesAndTheViewMeasuresAgainForTheScreen) {
    start();
    open("a.mtx", "2\t2\r\n2\t1\t\r\n4\t3\t\r\n");
    run(cmd::Gauss);
    run(cmd::ViewProtocol);
    const protobject& snapshot = *active()->protocol().records().back();
    const int screenHeight = snapshot.height;

    prompts.printFiles = {path("protokoll.pdf")};
    ASSERT_TRUE(run(cmd::Print));
    EXPECT_EQ(pdfPages(path("protokoll.pdf")), 1);
    const QStringList words = pdfWords(path("protokoll.pdf"));
    EXPECT_EQ(words.mid(0, 6), QStringList({"Gauss", "von", "2", "1", "4", "3"}));
    EXPECT_TRUE(words.contains("nr.1")) << words.join(' ').toStdString();

    EXPECT_GT(snapshot.height, screenHeight); // measured on the printer
    QCoreApplication::processEvents();        // the refresh event
    EXPECT_EQ(snapshot.height, screenHeight);
}

TEST_F(AppTest, ATallMatrixPrintsEveryRowOnceAndThePageSetupsMarginsTakeRoomFromEveryPage) {
    start();
    SDIDecFrame* w = open("hoch.mtx", column(150));
    const std::string before = elements(w->source());
    ASSERT_TRUE(run(cmd::Print)); // the print dialog cancelled: nothing printed
    EXPECT_EQ(prompts.printDialogs, 1);

    prompts.pageLayouts = {QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter)};
    ASSERT_TRUE(run(cmd::PageSetup));
    prompts.printFiles = {path("ohne.pdf")};
    run(cmd::Print);
    EXPECT_GE(pdfPages(path("ohne.pdf")), 2);

    prompts.pageLayouts = {QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                       QMarginsF(20, 60, 20, 60), QPageLayout::Millimeter)};
    run(cmd::PageSetup);
    EXPECT_EQ(app->printer().pageLayout().margins(QPageLayout::Millimeter),
              QMarginsF(20, 60, 20, 60));
    prompts.printFiles = {path("mit.pdf")};
    run(cmd::Print);
    // 297 mm of rows without margins, 297 - 3 * 60 = 117 mm with them: the
    // room of the top margin stays free above the bottom margin as well.
    EXPECT_GE(pdfPages(path("mit.pdf")), 2 * pdfPages(path("ohne.pdf")));
    EXPECT_EQ(pdfWords(path("mit.pdf")), numbers(1, 150));
    EXPECT_EQ(elements(w->source()), before);
}

TEST_F(AppTest, PrintedRowsAreAsTallAndFractionBarsAsThickAsOnTheScreenAtThePrintersResolution) {
    start();
    const bruchfonts screen = settings();
    auto doc = std::make_unique<MatrixReel>(10, 1, nullptr);
    for (int r = 0; r < 10; ++r) doc->at(r, 0) = reel(1, 3);
    protmatrix record(std::move(doc));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path("zeilen.pdf"));
    ProtPrintout printout("zeilen", record);
    ASSERT_EQ(printout.print(printer), ProtPrintout::Outcome::Printed);

    const double scale = printer.logicalDpiY() / QGuiApplication::primaryScreen()->logicalDotsPerInchY();
    ASSERT_GT(scale, 2.0); // a printer's resolution, not the screen's
    const double printedRow = record.height / 10.0;
    EXPECT_NEAR(printedRow, screen.fractionRowHeight() * scale, 0.1 * printedRow);
    EXPECT_EQ(printout.cursor().pageCount, 1);
    // On paper seen at 3 pixels to a screen pixel, each bar is 3 pixels thick.
    const double screenDpi = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
    const std::vector<int> bars = barThicknesses(pdfPage(path("zeilen.pdf"), int(3 * screenDpi)));
    ASSERT_EQ(bars.size(), 10u);
    for (const int thickness : bars) EXPECT_NEAR(thickness, 3, 1);
    // The screen's settings are untouched.
    EXPECT_EQ(settings().values(), screen.values());
    EXPECT_EQ(settings().heightA, screen.heightA);
    EXPECT_EQ(settings().addbreite, screen.addbreite);
}

TEST_F(AppTest, AJobOfManyPagesIsAskedForWithThePageCountOfItsRangeAndCancelPrintsNothing) {
    start();
    open("lang.mtx", column(1500));
    prompts.answers = {prompts::Cancel};
    prompts.printFiles = {path("nein.pdf")};
    ASSERT_TRUE(run(cmd::Print));
    ASSERT_EQ(prompts.messages.size(), 1u);
    const QRegularExpression question("^Der Ausdruck umfasst (\\d+) Seiten\\.\n"
                                      "Wirklich drucken\\?$");
    const auto asked = question.match(prompts.messages[0].text);
    ASSERT_TRUE(asked.hasMatch()) << prompts.messages[0].text.toStdString();
    const int pages = asked.captured(1).toInt();
    EXPECT_GT(pages, 50);
    EXPECT_EQ(prompts.messages[0].caption, "Drucken");
    EXPECT_EQ(prompts.messages[0].style, MessageStyle::OkCancel);
    EXPECT_FALSE(QFile::exists(path("nein.pdf")));

    prompts.printFiles = {path("ja.pdf")}; // answered with OK
    run(cmd::Print);
    EXPECT_EQ(prompts.messages.size(), 2u); // the question, no error
    EXPECT_EQ(pdfPages(path("ja.pdf")), pages);

    // Three pages of them are not asked for.
    app->printer().setPrintRange(QPrinter::PageRange);
    app->printer().setFromTo(2, 4);
    prompts.printFiles = {path("drei.pdf")};
    run(cmd::Print);
    EXPECT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(pdfPages(path("drei.pdf")), 3);
}

TEST_F(AppTest, APrintJobCancelledAfterAPageStopsThere) {
    start();
    auto doc = std::make_unique<MatrixReel>(300, 1, nullptr);
    for (int r = 0; r < 300; ++r) doc->at(r, 0) = reel(r + 1);
    protmatrix record(std::move(doc));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path("drei.pdf"));
    ProtPrintout printout("drei", record);
    std::vector<std::pair<int, int>> reported;
    ProtPrintout::Hooks hooks;
    hooks.progress = [&](int done, int total) {
        reported.emplace_back(done, total);
        return done < 3;
    };
    ASSERT_EQ(printout.print(printer, hooks), ProtPrintout::Outcome::Cancelled);
    const int total = printout.cursor().pageCount;
    ASSERT_GT(total, 3);
    EXPECT_EQ(reported, (std::vector<std::pair<int, int>>{{1, total}, {2, total}, {3, total}}));
    EXPECT_EQ(pdfPages(path("drei.pdf")), 3);
    EXPECT_EQ(pdfWords(path("drei.pdf")), numbers(1, printout.cursor().pageStarts[3].line));

    // In the window, "Abbrechen" in the progress of a long job.
    open("lang.mtx", column(1500));
    QString label, button;
    ModalDriver driver([&](QDialog* d) {
        label = d->findChild<QLabel*>()->text();
        button = d->findChild<QPushButton*>()->text();
        d->findChild<QPushButton*>()->click();
    });
    prompts.printFiles = {path("eine.pdf")};
    run(cmd::Print);
    EXPECT_TRUE(driver.ran());
    EXPECT_TRUE(QRegularExpression("^Drucke Seite 2 von \\d+$").match(label).hasMatch())
        << label.toStdString();
    EXPECT_EQ(button, "Abbrechen");
    EXPECT_EQ(pdfPages(path("eine.pdf")), 1);
    EXPECT_EQ(prompts.messages.size(), 1u); // the question, no error
    EXPECT_TRUE(client().updatesEnabled());  // the documents repaint again
}

