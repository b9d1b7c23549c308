// The settings loader on an arbitrary INI file: loading never crashes, every
// value taken over stays in the range the layout arithmetic relies on, and the
// settings written back read again to the same settings.
#include <QFile>
#include <QString>

#include <cstdlib>
#include <unistd.h>

#include "bruchfonts.h"
#include "floatformat.h"
#include "qsettingsstore.h"

namespace {
// Qt keeps a cache of INI files keyed by path and time stamp; a fresh path per
// input keeps one input's file from being answered out of another's. Saving
// flushes to the disk, so the files live in memory (/dev/shm) where there is one.
QString freshPath() {
    static int counter = 0;
    static const char* folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return QStringLiteral("%1/lineon-fuzz-settings-%2-%3.ini")
        .arg(QLatin1String(folder))
        .arg(getpid())
        .arg(++counter);
}

bool inRange(int v, int low, int high) { return v >= low && v <= high; }

void check(const bruchfonts& s) {
    if (!inRange(s.addbreite, 0, 1000) || !inRange(s.addhoehe, 0, 1000) ||
        !inRange(s.bruchzr, 0, 1000) || !inRange(s.precision, 0, 99) ||
        !inRange(s.fontA.height, 1, 1000) || !inRange(s.fontB.height, 1, 1000) ||
        s.fileextension.empty())
        std::abort();
    // Formatting a double with whatever format was loaded stays bounded.
    if (s.floatFormat().text(-1.7976931348623157e308).size() > 420) std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const QString inPath = freshPath();
    {
        QFile f(inPath);
        if (!f.open(QIODevice::WriteOnly)) return 0;
        f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    bruchfonts loaded;
    loaded.load(QSettingsStore(inPath));
    QFile::remove(inPath);
    check(loaded);

    const QString outPath = freshPath();
    {
        QSettingsStore out(outPath);
        if (!loaded.save(out)) std::abort();
    }
    bruchfonts again;
    again.load(QSettingsStore(outPath));
    QFile::remove(outPath);
    if (again.values() != loaded.values()) std::abort();
    return 0;
}
