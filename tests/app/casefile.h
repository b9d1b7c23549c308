// The data files of tests/data: lines before the first "== name" line are the
// header (comments and "key: value" lines), each "== name" line starts a
// section that runs to the next. Sections are written with LF.
#pragma once
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "rowfile.h"

struct DataFile {
    std::string file; // the name, without the folder
    std::string header;
    std::vector<std::string> order; // the section names as they come
    std::map<std::string, std::string> sections;

    std::string value(const std::string& key) const {
        std::istringstream in(header);
        for (std::string line; std::getline(in, line);)
            if (line.rfind(key + ": ", 0) == 0) return line.substr(key.size() + 2);
        return {};
    }
    std::string section(const std::string& name) const {
        return sections.count(name) ? sections.at(name) : std::string();
    }
};
inline void PrintTo(const DataFile& c, std::ostream* os) { *os << c.file; }

inline std::string readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "<missing>";
}
inline std::string replaced(std::string s, const std::string& from, const std::string& to) {
    for (auto at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
    return s;
}
inline QString dataPath(const QString& file) { return QStringLiteral(LINEON_DATA_DIR "/") + file; }

// Every file of tests/data whose name matches, in name order.
inline std::vector<DataFile> dataFiles(const QString& pattern) {
    std::vector<DataFile> out;
    for (const QString& name : QDir(dataPath({})).entryList({pattern}, QDir::Files, QDir::Name)) {
        DataFile& c = out.emplace_back(DataFile{name.toStdString(), {}, {}, {}});
        std::istringstream in(readAll(dataPath(name)));
        std::string* section = &c.header;
        for (std::string line; std::getline(in, line);) {
            if (line.rfind("== ", 0) != 0)
                *section += line + "\n";
            else
                section = &c.sections[c.order.emplace_back(line.substr(3))];
        }
    }
    return out;
}

// Writes the file again with these sections in place of those read (LINEON_BLESS).
inline void bless(const DataFile& c, const std::map<std::string, std::string>& got,
                  const std::string& header) {
    std::string text = header;
    std::vector<std::string> names = c.order;
    for (const auto& [name, _] : got)
        if (!c.sections.count(name)) names.push_back(name);
    for (const std::string& name : names)
        text += "== " + name + "\n" + (got.count(name) ? got.at(name) : c.sections.at(name));
    QFile f(dataPath(QString::fromStdString(c.file)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray::fromStdString(text));
}

inline std::string testName(const testing::TestParamInfo<DataFile>& info) {
    return nameOf(info.param.file);
}
