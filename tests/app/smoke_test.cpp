// End to end: the real program on a virtual X display, started with an
// example file; it saves a picture of its main window once that is on the
// screen, and quits. Skipped where xvfb-run is not installed.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>

TEST(Smoke, TheProgramShowsItsMainWindowOnAScreen) {
    const QString xvfb = QStandardPaths::findExecutable("xvfb-run");
    if (xvfb.isEmpty()) GTEST_SKIP() << "xvfb-run is not installed";
    QTemporaryDir dir;
    const QString picture = dir.filePath("lineon.png");

    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM"); // the real X display, not offscreen
    env.insert("XDG_RUNTIME_DIR", dir.path());
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(xvfb, {"-a", "-s", "-screen 0 1280x1024x24", LINEON_PROGRAM, "--screenshot", picture,
                   LINEON_EXAMPLES "/gleichungssystem.mtx"});
    ASSERT_TRUE(p.waitForFinished(60000)) << "the program did not end";
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0);

    QImage image(picture);
    ASSERT_FALSE(image.isNull()) << "no picture was saved";
    EXPECT_GE(image.width(), 400);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4)
            colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 20) << "the picture is blank";
}
