#include "tests/support/RecordingSurface.h"

#include <algorithm>

namespace kord {

RecordingSurface::RecordingSurface(std::string deviceName, double scaleWidth, double scaleHeight)
    : PrinterSurface(scaleWidth, scaleHeight), deviceName_(std::move(deviceName)) {}

void RecordingSurface::Add(PrintRecord r) {
    r.document = std::max(document_, 1);
    if (failOn_ && failOn_(r)) throw PrintError("Błąd drukarki.");
    records_.push_back(std::move(r));
}

void RecordingSurface::DoBeginDoc() {
    ++document_;
    Add({.kind = PrintRecord::Kind::BeginDoc, .page = Page()});
}

void RecordingSurface::DoText(const TextRun& run) {
    Add({.kind = PrintRecord::Kind::Text, .page = run.page, .text = run, .x = run.x, .y = run.y});
}

void RecordingSurface::DoLine(double x1, double y1, double x2, double y2, int drawWidth) {
    Add({.kind = PrintRecord::Kind::Line,
         .page = Page(),
         .x = x1,
         .y = y1,
         .x2 = x2,
         .y2 = y2,
         .drawWidth = drawWidth});
}

void RecordingSurface::DoPicture(const Picture& picture, double x, double y, double width,
                                 double height) {
    Add({.kind = PrintRecord::Kind::Picture,
         .page = Page(),
         .x = x,
         .y = y,
         .width = width,
         .height = height,
         .picturePath = picture.Path()});
}

void RecordingSurface::DoNewPage() {
    Add({.kind = PrintRecord::Kind::NewPage, .page = Page()});
}

void RecordingSurface::DoEndDoc() {
    Add({.kind = PrintRecord::Kind::EndDoc, .page = Page()});
}

void RecordingSurface::DoKillDoc() noexcept {
    PrintRecord r{.kind = PrintRecord::Kind::KillDoc, .page = Page()};
    r.document = std::max(document_, 1);
    records_.push_back(std::move(r));
}

std::vector<TextRun> RecordingSurface::Texts() const {
    std::vector<TextRun> out;
    for (const auto& r : records_)
        if (r.kind == PrintRecord::Kind::Text) out.push_back(r.text);
    return out;
}

std::vector<TextRun> RecordingSurface::TextsOnPage(int page) const {
    std::vector<TextRun> out;
    for (const auto& r : records_)
        if (r.kind == PrintRecord::Kind::Text && r.page == page) out.push_back(r.text);
    return out;
}

std::vector<PrintRecord> RecordingSurface::OfKind(PrintRecord::Kind kind) const {
    std::vector<PrintRecord> out;
    for (const auto& r : records_)
        if (r.kind == kind) out.push_back(r);
    return out;
}

int RecordingSurface::Count(PrintRecord::Kind kind) const {
    return static_cast<int>(std::count_if(records_.begin(), records_.end(),
                                          [&](const auto& r) { return r.kind == kind; }));
}

const TextRun* RecordingSurface::FindText(const std::string& part) const {
    for (const auto& r : records_)
        if (r.kind == PrintRecord::Kind::Text && r.text.text.find(part) != std::string::npos)
            return &r.text;
    return nullptr;
}

}  // namespace kord
