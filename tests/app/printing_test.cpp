// Printing through "&Drucken": what the window shows goes into a PDF file (no
// printer needed), cut into pages in the printer's units with the page
// setup's margins, and looks like the screen at the printer's resolution.
// The PDF is read back with pdfinfo, pdftotext and pdftoppm (poppler-utils).
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

QString output(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    return p.waitForFinished(30000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}
int pdfPages(const QString& file) {
    const auto m = QRegularExpression("Pages:\\s+(\\d+)").match(output("pdfinfo", {file}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}
QStringList pdfWords(const QString& file) {
    return output("pdftotext", {file, "-"}).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
}

// The thickness in pixels of each fraction bar on the first page, seen at dpi
// pixels to the inch: bars are the bands of pixel rows with a run of ink
// nearly as long as the longest one; digits have no such runs.
std::vector<int> barThicknesses(const QString& file, int dpi) {
    output("pdftoppm", {"-gray", "-png", "-singlefile", "-r", QString::number(dpi), file, file});
    const QImage image = QImage(file + ".png").convertToFormat(QImage::Format_Grayscale8);
    std::vector<int> longest(image.height()), bars;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0, run = 0; x < image.width(); ++x)
            longest[y] = std::max(longest[y], run = image.constScanLine(y)[x] < 128 ? run + 1 : 0);
    const int bar = longest.empty() ? 0 : *std::max_element(longest.begin(), longest.end()) * 4 / 5;
    for (int y = 0; y < image.height(); ++y) {
        if (longest[y] >= bar && (y == 0 || longest[y - 1] < bar)) bars.push_back(0);
        if (longest[y] >= bar) ++bars.back();
    }
    return bars;
}

} // namespace

TEST_F(AppTest, PrintingTheProtocolWritesItsLines) {
    start();
    open("a.mtx", "2\t2\r\n2\t1\t\r\n4\t3\t\r\n");
    run(cmd::Gauss);
    run(cmd::ViewProtocol);
    prompts.printFiles = {path("protokoll.pdf")};
    ASSERT_TRUE(run(cmd::Print));
    EXPECT_EQ(pdfPages(path("protokoll.pdf")), 1);
    const QStringList words = pdfWords(path("protokoll.pdf"));
    EXPECT_EQ(words.mid(0, 6), QStringList({"Gauss", "von", "2", "1", "4", "3"}));
    EXPECT_TRUE(words.contains("nr.1")) << words.join(' ');
}

TEST_F(AppTest, PrintedRowsAreAsTallAndFractionBarsAsThickAsOnTheScreenAtThePrintersResolution) {
    start();
    const bruchfonts screen = settings();
    auto doc = std::make_unique<MatrixReel>(10, 1, nullptr);
    for (int r = 0; r < 10; ++r) doc->at(r, 0) = reel(1, 3);
    const protmatrix record(std::move(doc));
    ProtPrintout printout("druck", record);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path("zeilen.pdf"));
    ASSERT_EQ(printout.print(printer), ProtPrintout::Outcome::Printed);
    const double screenDpi = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
    const double scale = printer.logicalDpiY() / screenDpi;
    ASSERT_GT(scale, 2.0); // a printer's resolution, not the screen's
    const int printed = printout.cursor().y - printout.cursor().top; // ten rows
    EXPECT_NEAR(printed / 10.0, screen.fractionRowHeight() * scale, printed / 100.0);
    EXPECT_EQ(printout.cursor().pageCount, 1);
    // On paper seen at 3 pixels to a screen pixel, each bar is 3 pixels thick.
    const std::vector<int> bars = barThicknesses(path("zeilen.pdf"), int(3 * screenDpi));
    ASSERT_EQ(bars.size(), 10u);
    for (const int thickness : bars) EXPECT_NEAR(thickness, 3, 1);
    EXPECT_EQ(settings().values(), screen.values()); // the screen's settings are untouched
    EXPECT_EQ(settings().heightA, screen.heightA);
    EXPECT_EQ(settings().addbreite, screen.addbreite);
}

// A job of many pages is asked for with its page count; Cancel prints
// nothing, "Abbrechen" in its progress stops it, three pages of it are not
// asked for.
TEST_F(AppTest, AJobOfManyPagesIsAskedForAndCanBeStopped) {
    start();
    QByteArray column = "1500\t1\r\n"; // the numbers 1 to 1500
    for (int r = 1; r <= 1500; ++r) column += QByteArray::number(r) + "\t\r\n";
    open("lang.mtx", column);
    prompts.answers = {prompts::Cancel};
    prompts.printFiles = {path("nein.pdf")};
    ASSERT_TRUE(run(cmd::Print));
    ASSERT_EQ(prompts.messages.size(), 1u);
    const auto asked =
        QRegularExpression("^Der Ausdruck umfasst (\\d+) Seiten\\.\nWirklich drucken\\?$")
            .match(prompts.messages[0].text);
    ASSERT_TRUE(asked.hasMatch()) << prompts.messages[0].text;
    EXPECT_GT(asked.captured(1).toInt(), 50);
    EXPECT_EQ(prompts.messages[0].caption, "Drucken");
    EXPECT_EQ(prompts.messages[0].style, MessageStyle::OkCancel);
    EXPECT_FALSE(QFile::exists(path("nein.pdf")));

    QString label, button;
    ModalDriver driver([&](QDialog* d) {
        label = d->findChild<QLabel*>()->text();
        button = d->findChild<QPushButton*>()->text();
        d->findChild<QPushButton*>()->click();
    });
    prompts.printFiles = {path("eine.pdf")}; // answered with OK
    run(cmd::Print);
    EXPECT_EQ(label, "Drucke Seite 2 von " + asked.captured(1));
    EXPECT_EQ(button, "Abbrechen");
    EXPECT_EQ(pdfPages(path("eine.pdf")), 1);
    EXPECT_EQ(prompts.messages.size(), 2u); // the question, no error
    EXPECT_TRUE(client().updatesEnabled()); // the documents repaint again

    app->printer().setPrintRange(QPrinter::PageRange);
    app->printer().setFromTo(2, 4);
    prompts.printFiles = {path("drei.pdf")};
    run(cmd::Print);
    EXPECT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(pdfPages(path("drei.pdf")), 3);
}
