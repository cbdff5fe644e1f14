#pragma once
// The printer surface on a real printer: QPainter on a QPrinter, either the chosen system
// printer or a PDF file. Twips are converted to the device's own units; text is laid out with the
// same metrics as every surface and drawn unhinted and unkerned, so it stands where the report
// code measured it.
//
// The pages are kept until EndDoc and only then painted on the printer or written to the file:
// a print run that fails or is abandoned before its end sends nothing to the printer and leaves
// no file. A PDF is written to a temporary file beside its target and replaces it only when
// complete. Failures (a printer that is not available, a file that cannot be written, a page the
// printer refuses) abandon the document, leave any previous PDF as it was and throw PrintError
// to the caller. A surface destroyed with its document still open abandons it.

#include <memory>
#include <vector>

#include "platform/Host.h"
#include "platform/PrinterSurface.h"

class QPainter;
class QPrinter;

namespace kord {

class QtPrinterSurface : public PrinterSurface {
  public:
    // The unprintable border of the PDF target, as a laser printer leaves it (points).
    static constexpr double kPdfMarginPoints = 12;
    // The PDF target's resolution, which sets the width of a DrawWidth pixel.
    static constexpr int kPdfResolution = 600;

    // A PDF file (A4) when the choice names an output file, else the named system printer.
    explicit QtPrinterSurface(const PrinterChoice& choice);
    ~QtPrinterSurface() override;

    std::string DeviceName() const override { return choice_.DeviceName(); }

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
    // One drawing operation of the document, kept until EndDoc.
    struct Op {
        enum class Kind { Text, Line, Picture, NewPage } kind = Kind::Text;
        TextRun run;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        int drawWidth = 1;
        Picture picture;
    };

    bool ToFile() const { return !choice_.outputFile.empty(); }
    void CheckTarget() const;
    void Paint(QPainter& painter, const Op& op) const;
    // Abandons a print that has started on the printer and throws PrintError; the temporary
    // file of a PDF target is removed by its owner.
    [[noreturn]] void Fail(QPainter& painter, const std::string& what);

    PrinterChoice choice_;
    std::unique_ptr<QPrinter> printer_;
    std::vector<Op> ops_;
    double resolution_ = 600;
};

// Makes the report print on Qt surfaces: the printer surface factory creates a
// QtPrinterSurface for the chosen printer or file.
void UseQtPrinterSurfaces();

}  // namespace kord
