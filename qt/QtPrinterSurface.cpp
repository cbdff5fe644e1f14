#include "qt/QtPrinterSurface.h"

#include <QFile>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <optional>

#include "platform/FileIO.h"
#include "platform/PictureData.h"
#include "platform/QtString.h"

namespace kord {

namespace {
constexpr double kTwipsPerInch = 1440.0;
constexpr double kTwipsPerPoint = 20.0;
constexpr double kPointsPerInch = 72.0;
// The pixel size text is laid out at before it is scaled to its size on the page.
constexpr int kGlyphPixels = 4096;

std::string UnwritableFile(const std::string& file, SaveRefusal why = SaveRefusal::None) {
    std::string text = "Nie można zapisać pliku " + file + ".";
    if (why != SaveRefusal::None) text += " " + RefusalText(why);
    return text;
}

// A PDF written into its existing file that failed and could not be put back.
std::string LostOldPdf(const std::string& file, const FileReplacement& replacement) {
    return UnwritableFile(file) + (replacement.KeptCopy().empty()
                                       ? " Poprzedniej zawartości pliku nie udało się przywrócić."
                                       : " Poprzednia zawartość pliku została zachowana w pliku " +
                                             replacement.KeptCopy() + ".");
}

// The PDF writer does not tell when the disk fills up: a file cut short lacks the end-of-file
// mark that the writer puts last.
bool CompletePdf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 64) return false;
    if (!file.seek(file.size() - 64)) return false;
    return file.read(64).trimmed().endsWith("%%EOF");
}
}  // namespace

QtPrinterSurface::QtPrinterSurface(const PrinterChoice& choice)
    : PrinterSurface(0, 0), choice_(choice), printer_(std::make_unique<QPrinter>()) {
    if (ToFile()) {
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(Q(choice_.outputFile));
        printer_->setResolution(kPdfResolution);
        printer_->setPageSize(QPageSize(QPageSize::A4));
        printer_->setPageMargins(
            QMarginsF(kPdfMarginPoints, kPdfMarginPoints, kPdfMarginPoints, kPdfMarginPoints),
            QPageLayout::Point);
    } else {
        printer_->setPrinterName(Q(choice_.printerName));
    }
    printer_->setFullPage(false);
    printer_->setDocName(QStringLiteral("Kordelan"));
    resolution_ = printer_->resolution();
    const QRectF area = printer_->pageLayout().paintRect(QPageLayout::Point);
    SetScale(area.width() * kTwipsPerPoint, area.height() * kTwipsPerPoint);
}

QtPrinterSurface::~QtPrinterSurface() {
    DoKillDoc();
}

void QtPrinterSurface::CheckTarget() const {
    if (ToFile()) {
        if (const SaveTarget target = ReplaceableTarget(choice_.outputFile); !target)
            throw PrintError(UnwritableFile(choice_.outputFile, target.refusal));
        return;
    }
    if (printer_->outputFormat() != QPrinter::NativeFormat || !printer_->isValid() ||
        QPrinterInfo::printerInfo(Q(choice_.printerName)).isNull())
        throw PrintError("Drukarka " + choice_.printerName + " jest niedostępna.");
}

void QtPrinterSurface::DoBeginDoc() {
    CheckTarget();
    ops_.clear();
}

void QtPrinterSurface::DoText(const TextRun& run) {
    ops_.push_back({.kind = Op::Kind::Text, .run = run});
}

void QtPrinterSurface::DoLine(double x1, double y1, double x2, double y2, int drawWidth) {
    ops_.push_back(
        {.kind = Op::Kind::Line, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .drawWidth = drawWidth});
}

void QtPrinterSurface::DoPicture(const Picture& picture, double x, double y, double width,
                                 double height) {
    ops_.push_back({.kind = Op::Kind::Picture,
                    .x1 = x,
                    .y1 = y,
                    .x2 = x + width,
                    .y2 = y + height,
                    .picture = picture});
}

void QtPrinterSurface::DoNewPage() {
    ops_.push_back({.kind = Op::Kind::NewPage});
}

void QtPrinterSurface::Paint(QPainter& painter, const Op& op) const {
    const auto device = [&](double twips) { return twips * resolution_ / kTwipsPerInch; };
    switch (op.kind) {
        case Op::Kind::Text: {
            QFont font;
            font.setFamilies({Q(op.run.face)});
            font.setPixelSize(kGlyphPixels);
            font.setWeight(op.run.font.bold ? QFont::Bold : QFont::Normal);
            font.setItalic(op.run.font.italic);
            font.setUnderline(op.run.font.underline);
            // As measured: design advances, no kerning, no ligatures ("ff" is two letters).
            font.setKerning(false);
            font.setStyleStrategy(QFont::PreferNoShaping);
            font.setHintingPreference(QFont::PreferNoHinting);
            // Glyphs are laid out at a whole pixel size: 11 points at 600 dpi would be drawn
            // at 92 pixels instead of 91.67, each line wider than measured. Laid out at a large
            // size and scaled down, the advances are the face's own, as measured.
            const double scale = op.run.drawSize / kPointsPerInch * resolution_ / kGlyphPixels;
            painter.save();
            painter.translate(device(op.run.x + op.run.lead), device(op.run.y + op.run.ascent));
            painter.scale(scale, scale);
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(QPointF(0, 0), Q(op.run.text));
            painter.restore();
            break;
        }
        case Op::Kind::Line: {
            QPen pen(Qt::black);
            pen.setWidthF(std::max(1, op.drawWidth));
            pen.setCapStyle(Qt::RoundCap);
            painter.setPen(pen);
            painter.drawLine(QPointF(device(op.x1), device(op.y1)),
                             QPointF(device(op.x2), device(op.y2)));
            break;
        }
        case Op::Kind::Picture:
            painter.drawImage(QRectF(QPointF(device(op.x1), device(op.y1)),
                                     QPointF(device(op.x2), device(op.y2))),
                              op.picture.Data()->image);
            break;
        case Op::Kind::NewPage:
            break;
    }
}

void QtPrinterSurface::Fail(QPainter& painter, const std::string& what) {
    if (painter.isActive()) {
        // A printer may refuse to cancel; the temporary file of a PDF target goes with it.
        printer_->abort();
        painter.end();
    }
    ops_.clear();
    // Whatever went wrong on the way, a PDF target is a file that could not be written.
    throw PrintError(ToFile() ? UnwritableFile(choice_.outputFile) : what);
}

void QtPrinterSurface::DoEndDoc() {
    if (ops_.empty()) return;
    CheckTarget();
    // A PDF is written beside its target and replaces it only when complete: a failure leaves
    // the previous file, and a link to it, as they were.
    std::optional<FileReplacement> file;
    if (ToFile()) {
        file.emplace(choice_.outputFile);
        if (!file->Ready()) throw PrintError(UnwritableFile(choice_.outputFile, file->Refusal()));
        printer_->setOutputFileName(Q(file->TempPath()));
    }
    QPainter painter;
    if (!painter.begin(printer_.get()))
        Fail(painter, "Nie można rozpocząć drukowania: " + DeviceName() + ".");
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const Op& op : ops_) {
        if (op.kind == Op::Kind::NewPage) {
            if (!printer_->newPage())
                Fail(painter, "Drukarka " + DeviceName() + " nie przyjęła strony.");
        } else {
            Paint(painter, op);
        }
    }
    if (!painter.end() || printer_->printerState() == QPrinter::Error)
        Fail(painter, "Błąd drukowania: " + DeviceName() + ".");
    if (file && (!CompletePdf(Q(file->TempPath())) || !file->Commit())) {
        ops_.clear();
        throw PrintError(file->OldIntact() ? UnwritableFile(choice_.outputFile)
                                           : LostOldPdf(choice_.outputFile, *file));
    }
    ops_.clear();
}

void QtPrinterSurface::DoKillDoc() noexcept {
    // Nothing has reached the printer or the file before EndDoc.
    ops_.clear();
}

void UseQtPrinterSurfaces() {
    SetPrinterSurfaceFactory(
        [](const PrinterChoice& choice) { return std::make_unique<QtPrinterSurface>(choice); });
}

}  // namespace kord
