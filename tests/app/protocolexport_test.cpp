// The protocol as LaTeX and HTML: the two simplex examples of the help pages
// against files a person has read, the number forms, escaping, and (where
// texlive is installed) that the LaTeX compiles. Also CSV files.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdlib>

#include "algorithmcommand.h"
#include "csvfile.h"
#include "matrixfile.h"
#include "matrixfloat.h"
#include "matrixreel.h"
#include "protocolexport.h"

namespace {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A window's run of one algorithm on a matrix file's text.
struct AlgorithmRun {
    MatrixFile::Loaded doc;
    DocumentRun run;
    AlgorithmRun(const std::string& file, int algorithm) : doc(MatrixFile::parse(file)) {
        run.source = doc.document.get();
        run.protocol = doc.protocol.get();
        AlgorithmCommand::run(run, algorithm);
    }
};

const std::string simplexFile = "6\t3\n-1\t0\t-4\t\n0\t-1\t-3\t\n-1\t-1\t-5\t\n"
                                "1\t0\t0\t\n0\t1\t0\t\n3\t2\t0\t\n";
const std::string tableauFile = "6\t3\n-1\t0\t4\t\n0\t-1\t3\t\n-1\t-1\t5\t\n"
                                "1\t0\t0\t\n0\t1\t0\t\n3\t2\t0\t\n";

// Compares with the stored file; LINEON_UPDATE_EXPECTED=1 writes it instead
// (to be read by a person before it is committed).
void expectFile(const std::string& text, const char* name) {
    const QString path = QStringLiteral(LINEON_EXPECTED_DIR "/") + QLatin1String(name);
    if (std::getenv("LINEON_UPDATE_EXPECTED")) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text.data(), qint64(text.size()));
    }
    EXPECT_EQ(text, fileBytes(path).toStdString()) << name;
}

} // namespace

TEST(ProtocolExport, SimplexExampleOfTheHelpPages) {
    AlgorithmRun r(simplexFile, AlgorithmCommand::Simplex);
    ASSERT_TRUE(r.run.hasResult);
    expectFile(ProtocolExport::latex(*r.doc.protocol, {}), "simplex.tex");
    expectFile(ProtocolExport::html(*r.doc.protocol, {}, "simplex: (6 x 3)  : Protokoll - Simplex"),
               "simplex.html");
}

TEST(ProtocolExport, EckenfindungExampleOfTheHelpPages) {
    AlgorithmRun r(tableauFile, AlgorithmCommand::Eckenfindung);
    ASSERT_TRUE(r.run.hasResult);
    expectFile(ProtocolExport::latex(*r.doc.protocol, {}), "eckenfindung.tex");
    expectFile(ProtocolExport::html(*r.doc.protocol, {},
                                    "tableau: (6 x 3)  : Protokoll - Eckenfindung"),
               "eckenfindung.html");
}

TEST(ProtocolExport, NumberFormsAndEscaping) {
    protstream p;
    MatrixReel m(1, 4, &p);
    m.at(0, 0) = reel(-1, 1, 2);
    m.at(0, 1) = reel(3, 4);
    m.at(0, 2) = reel(-5);
    p << "50% & $x_1$ {ok} ~^\\ <b>\n" << m;
    const std::string tex = ProtocolExport::latex(p, {});
    EXPECT_NE(tex.find("50\\% \\& \\$x\\_1\\$ \\{ok\\} \\textasciitilde{}\\textasciicircum{}"
                       "\\textbackslash{} <b>\\par\n"),
              std::string::npos)
        << tex;
    EXPECT_NE(tex.find("-1\\frac{1}{2} & \\frac{3}{4} & -5 & 0\n"), std::string::npos) << tex;
    const std::string html = ProtocolExport::html(p, {}, "a<b");
    EXPECT_NE(html.find("<title>a&lt;b</title>"), std::string::npos);
    EXPECT_NE(html.find("50% &amp; $x_1$ {ok} ~^\\ &lt;b&gt;"), std::string::npos);
    EXPECT_NE(html.find("<td>&minus;1<span class=\"bruch\"><span class=\"zaehler\">1</span>"
                        "<span class=\"nenner\">2</span></span></td>"),
              std::string::npos)
        << html;

    // Doubles as the display shows them, an exponent as a power of ten;
    // pmatrix is told about more than ten columns.
    protstream q;
    MatrixFloat f(1, 12, &q);
    f.at(0, 0) = -1.5e-7;
    f.at(0, 1) = 0.25;
    q << f;
    const std::string ftex = ProtocolExport::latex(q, {});
    EXPECT_NE(ftex.find("\\setcounter{MaxMatrixCols}{12}"), std::string::npos);
    EXPECT_NE(ftex.find("-1.5 \\cdot 10^{-7} & 0.25 & 0 &"), std::string::npos) << ftex;
    EXPECT_NE(ProtocolExport::html(q, {}, "").find("&minus;1.5&middot;10<sup>&minus;7</sup>"),
              std::string::npos);
}

TEST(ProtocolExport, LatexCompilesWithTexlive) {
    const QString pdflatex = QStandardPaths::findExecutable(QStringLiteral("pdflatex"));
    if (pdflatex.isEmpty()) GTEST_SKIP() << "pdflatex is not installed";
    QTemporaryDir dir;
    AlgorithmRun r(simplexFile, AlgorithmCommand::Simplex);
    const std::string tex = ProtocolExport::latex(*r.doc.protocol, {});
    QFile f(dir.filePath(QStringLiteral("simplex.tex")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(tex.data(), qint64(tex.size()));
    f.close();
    QProcess latex;
    latex.setWorkingDirectory(dir.path());
    latex.start(pdflatex, {"-interaction=nonstopmode", "-halt-on-error", "simplex.tex"});
    ASSERT_TRUE(latex.waitForFinished(120000));
    EXPECT_EQ(latex.exitCode(), 0) << latex.readAllStandardOutput().toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("simplex.pdf"))));
}

TEST(CsvFile, RoundTripKeepsTheNumberKindAndEveryValue) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("m.csv"));
    MatrixReel m(2, 2, nullptr);
    m.at(0, 0) = reel(-1, 1, 3);
    m.at(1, 1) = reel(2147483647, 1, 2147483646);
    ASSERT_TRUE(CsvFile::write(path, m, {true}));
    EXPECT_EQ(fileBytes(path).toStdString(), "-1 1\u20443;0\r\n0;2147483647 1\u20442147483646\r\n");
    std::string error;
    MatrixFile::Loaded back = CsvFile::read(path, error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back.document->kind(), MatrixObject::Exact);
    EXPECT_EQ(back.document->cellText(1, 1, {}), "2147483647,1,2147483646");

    MatrixFloat d(1, 2, nullptr);
    d.at(0, 0) = 0.1 + 0.2;
    d.at(0, 1) = -1e-300;
    ASSERT_TRUE(CsvFile::write(path, d, {true}));
    back = CsvFile::read(path, error);
    ASSERT_TRUE(back) << error;
    ASSERT_EQ(back.document->kind(), MatrixObject::Float);
    EXPECT_EQ(dynamic_cast<MatrixFloat&>(*back.document).at(0, 0), 0.1 + 0.2);
    EXPECT_EQ(dynamic_cast<MatrixFloat&>(*back.document).at(0, 1), -1e-300);

    EXPECT_FALSE(CsvFile::read(dir.filePath(QStringLiteral("missing.csv")), error));
    EXPECT_EQ(error, "Die Datei kann nicht geöffnet werden.");
}
