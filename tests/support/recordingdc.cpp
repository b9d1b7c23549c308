#include "recordingdc.h"

namespace {

int characters(std::string_view text) {
    int n = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n; // UTF-8 lead bytes only
    return n;
}

} // namespace

int RecordingDc::widthOf(const std::string& text, const dcfont& f) {
    return characters(text) * charWidth(f);
}

dcfont RecordingDc::selectFont(const dcfont& f) {
    ++selections;
    dcfont previous = selected_;
    selected_ = f;
    return previous;
}

dcsize RecordingDc::textExtent(std::string_view text) {
    ++extents;
    return {characters(text) * charWidth(selected_), selected_.height};
}

dcmetrics RecordingDc::metrics() { return {selected_.height, charWidth(selected_)}; }

void RecordingDc::textOut(int x, int y, std::string_view text) {
    log.push_back("text " + selected_.face + "/" + std::to_string(selected_.height) + " " +
                  std::to_string(x) + "," + std::to_string(y) + " " + std::string(text));
}

void RecordingDc::line(int x1, int y1, int x2, int y2) {
    log.push_back("line " + std::to_string(x1) + "," + std::to_string(y1) + " " +
                  std::to_string(x2) + "," + std::to_string(y2));
}
