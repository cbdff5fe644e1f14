#pragma once
// A printer surface that draws nothing and keeps everything it is asked to draw, in order, for
// tests: text runs with their page, position and font, lines, pictures, page breaks and the end
// or abandonment of documents. It measures with the same real metrics as the Qt surface.

#include <functional>
#include <string>
#include <vector>

#include "platform/PrinterSurface.h"

namespace kord {

struct PrintRecord {
    enum class Kind { BeginDoc, Text, Line, Picture, NewPage, EndDoc, KillDoc };
    Kind kind = Kind::Text;
    int document = 1;  // 1 for the first document printed on the surface
    int page = 1;      // the page it was drawn on (for NewPage: the page it ended)
    TextRun text;      // Text
    // Line: from (x, y) to (x2, y2), drawWidth pixels. Picture: (x, y), width x height twips.
    double x = 0, y = 0, x2 = 0, y2 = 0;
    double width = 0, height = 0;
    int drawWidth = 0;
    std::string picturePath;  // Picture: the file it came from
};

class RecordingSurface : public PrinterSurface {
  public:
    // The printable area of an A4 sheet with 12-point unprintable borders, as the PDF target
    // prints.
    static constexpr double kA4Width = 11420;
    static constexpr double kA4Height = 16360;

    explicit RecordingSurface(std::string deviceName = "Recording", double scaleWidth = kA4Width,
                              double scaleHeight = kA4Height);

    std::string DeviceName() const override { return deviceName_; }

    const std::vector<PrintRecord>& Records() const { return records_; }
    void Clear() { records_.clear(); }
    // The text runs, in order.
    std::vector<TextRun> Texts() const;
    // The text runs of one page, in order.
    std::vector<TextRun> TextsOnPage(int page) const;
    // The records of one kind, in order.
    std::vector<PrintRecord> OfKind(PrintRecord::Kind kind) const;
    int Count(PrintRecord::Kind kind) const;
    // The first text run whose text contains the given text; nullptr when none.
    const TextRun* FindText(const std::string& part) const;

    // Makes the next drawing operations of the given kind fail with PrintError (for tests of
    // failure handling); an empty function fails none.
    void FailOn(std::function<bool(const PrintRecord&)> predicate) {
        failOn_ = std::move(predicate);
    }

  protected:
    void DoBeginDoc() override;
    void DoText(const TextRun& run) override;
    void DoLine(double x1, double y1, double x2, double y2, int drawWidth) override;
    void DoPicture(const Picture& picture, double x, double y, double width,
                   double height) override;
    void DoNewPage() override;
    void DoEndDoc() override;
    void DoKillDoc() noexcept override;

  private:
    void Add(PrintRecord r);

    std::string deviceName_;
    std::vector<PrintRecord> records_;
    std::function<bool(const PrintRecord&)> failOn_;
    int document_ = 0;
};

}  // namespace kord
