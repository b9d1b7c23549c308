// A save that cannot be done never costs the user work: the message comes, the
// old file keeps its bytes, the window stays open and still counts as changed.
#include <algorithm>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "appfixture.h"
#include "matrixfile.h"

class SaveSafetyTest : public AppTest {
protected:
    // An opened file a.mtx, changed, that cannot be saved with these rights
    // and this limit of the file size (as on an almost full device).
    void expectRefused(const QByteArray& bytes, int mode, rlim_t sizeLimit = RLIM_INFINITY) {
        SDIDecFrame* w = open("a.mtx", bytes);
        w->setModified();
        ASSERT_EQ(chmod(QFile::encodeName(path("a.mtx")).constData(), mode), 0);
        rlimit old{}, limited{};
        getrlimit(RLIMIT_FSIZE, &old);
        limited = {std::min(sizeLimit, old.rlim_max), old.rlim_max};
        const auto handler = std::signal(SIGXFSZ, SIG_IGN); // the write fails instead
        setrlimit(RLIMIT_FSIZE, &limited);
        for (bool closing : {false, true}) {
            if (closing) prompts.answers = {prompts::Yes}; // in the close question: save
            closing ? w->close() : run(cmd::Save);
            EXPECT_EQ(prompts.lastText(), "Dokument-Schreibfehler.");
            EXPECT_EQ(prompts.messages.back().caption, "OH NO");
            EXPECT_TRUE(w->isModified() && w->isVisible() && windows().size() == 1);
            EXPECT_EQ(read(path("a.mtx")), bytes);
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
                      QStringList{"a.mtx"}); // no half file
        }
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, handler);
    }
};

TEST_F(SaveSafetyTest, AReadOnlyFileIsNotReplaced) {
    start();
    expectRefused("1\t1\r\n5\t\r\n", 0444);
}

TEST_F(SaveSafetyTest, AFullDeviceLeavesTheOldFileWholeAndWithRoomAgainTheWindowSaves) {
    start();
    QByteArray big = "60\t60\r\n"; // some 7 KB of text
    for (int r = 0; r < 60; ++r) big += QByteArray("7\t").repeated(60) + "\r\n";
    expectRefused(big, 0644, 1024);
    ASSERT_TRUE(run(cmd::Save));
    EXPECT_FALSE(active()->isModified());
    EXPECT_EQ(read(path("a.mtx")), big);
}

TEST_F(SaveSafetyTest, ADeviceIsWrittenInPlaceNeverReplaced) {
    // A private /dev/full where the system allows one (as administrator), so
    // that a fault here could never replace the machine's own.
    QString full = path("full");
    if (mknod(QFile::encodeName(full).constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
        full = "/dev/full";
    start();
    open("a.mtx", "1\t1\r\n5\t\r\n")->setModified();
    for (const auto& [id, message] :
         {std::pair{cmd::SaveAs, "Dokument-Schreibfehler."},
          {cmd::SaveProtocol, "Das Protokoll konnte nicht gespeichert werden"}}) {
        if (id == cmd::SaveProtocol) run(cmd::Gauss);
        prompts.files = {full};
        ASSERT_TRUE(run(id));
        EXPECT_EQ(prompts.lastText(), message);
        struct stat st {};
        ASSERT_EQ(stat(QFile::encodeName(full).constData(), &st), 0);
        EXPECT_TRUE(S_ISCHR(st.st_mode)); // still the device
    }
    EXPECT_TRUE(active()->isModified());
    EXPECT_TRUE(MatrixFile::writeBytes("/dev/null", "1\t1\r\n")); // a save, and still a device
}
