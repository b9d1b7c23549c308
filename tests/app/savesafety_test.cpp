// A save that cannot be done never costs the user work: the message comes, the
// old file keeps its bytes, the window stays open and still counts as changed.
#include <QFile>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "appfixture.h"
#include "matrixfile.h"

namespace {
const QByteArray oldBytes = "1\t1\r\n5\t\r\n";

// Files may grow to `bytes` only while it lives, as on an almost full device.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN); // the write fails instead
        rlimit small = old_;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};
} // namespace

class SaveSafetyTest : public AppTest {
protected:
    // An opened file a.mtx, changed.
    SDIDecFrame* changedDocument(const QByteArray& bytes = oldBytes) {
        SDIDecFrame* w = open("a.mtx", bytes);
        w->setModified();
        return w;
    }
    void expectRefused(SDIDecFrame* w) {
        EXPECT_EQ(prompts.lastText(), "Dokument-Schreibfehler.");
        EXPECT_EQ(lastCaption(), "OH NO");
        EXPECT_TRUE(w->isModified());
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(windows().size(), 1);
    }
};

TEST_F(SaveSafetyTest, AReadOnlyFileIsNotReplaced) {
    start();
    SDIDecFrame* w = changedDocument();
    const QString file = path("a.mtx");
    ASSERT_EQ(chmod(QFile::encodeName(file).constData(), 0444), 0);
    ASSERT_TRUE(run(cmd::Save));
    expectRefused(w);
    EXPECT_EQ(read(file), oldBytes);

    // Yes in the close question: the save fails again and the window stays.
    prompts.answers = {prompts::Yes};
    w->close();
    expectRefused(w);
    EXPECT_EQ(read(file), oldBytes);
}

TEST_F(SaveSafetyTest, AFullDeviceLeavesTheOldFileWhole) {
    start();
    QByteArray big = "60\t60\r\n"; // some 7 KB of text
    for (int r = 0; r < 60; ++r) big += QByteArray("7\t").repeated(60) + "\r\n";
    SDIDecFrame* w = changedDocument(big);
    {
        FileSizeLimit almostFull(1024);
        ASSERT_TRUE(run(cmd::Save));
    }
    expectRefused(w);
    EXPECT_EQ(read(path("a.mtx")), big);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.mtx"}); // no half file left

    // With room again the same window saves.
    ASSERT_TRUE(run(cmd::Save));
    EXPECT_FALSE(w->isModified());
    EXPECT_EQ(read(path("a.mtx")), big);
}

TEST_F(SaveSafetyTest, ADeviceIsWrittenInPlaceNeverReplaced) {
    // A private /dev/full where the system allows one (as administrator), so
    // that a fault here could never replace the machine's own.
    QString full = path("full");
    if (mknod(QFile::encodeName(full).constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
        full = "/dev/full";
    start();
    SDIDecFrame* w = changedDocument();
    prompts.files = {full};
    ASSERT_TRUE(run(cmd::SaveAs));
    EXPECT_EQ(prompts.lastText(), "Dokument-Schreibfehler.");
    EXPECT_TRUE(w->isModified());
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(full).constData(), &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode)); // still the device

    // The protocol goes the same way.
    run(cmd::Gauss);
    prompts.files = {full};
    ASSERT_TRUE(run(cmd::SaveProtocol));
    EXPECT_EQ(prompts.lastText(), "Das Protokoll konnte nicht gespeichert werden");
    ASSERT_EQ(stat(QFile::encodeName(full).constData(), &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));

    // /dev/null takes a save and stays a device.
    EXPECT_TRUE(MatrixFile::writeBytes("/dev/null", "1\t1\r\n"));
}
