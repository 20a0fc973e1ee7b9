#include "qt/qt_printer.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>

#include "platform/run_time_error.h"

namespace jd::qt {

namespace {

// Whether every character of the font takes the same width: the narrowest
// and the widest letters, the blank and the line characters the report draws
// its charts with.
bool hasFixedPitch(const QFont& font) {
    const QFontMetricsF fm(font);
    const double w = fm.horizontalAdvance(QLatin1Char('M'));
    for (QChar c : QStringLiteral("il .|-_W"))
        if (qAbs(fm.horizontalAdvance(c) - w) > 0.01 * w) return false;
    return w > 0;
}

}  // namespace

QFont QtPrinter::printFont(const QString& name, double points) {
    QFont asked(name);
    asked.setStyleHint(QFont::TypeWriter);
    asked.setPointSizeF(points);
    if (hasFixedPitch(asked)) return asked;
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(points);
    return fixed;
}

QtPrinter::QtPrinter(QString pdfPath) : pdfPath_(std::move(pdfPath)) {}

QtPrinter::~QtPrinter() {
    if (painter_) painter_->end();
}

bool QtPrinter::isInstalled() const { return !pdfPath_.isEmpty() || !QPrinterInfo::defaultPrinter().isNull(); }

void QtPrinter::setFontName(const std::string& name) {
    fontName_ = QString::fromStdString(name);
    applyFont();
}

void QtPrinter::setFontSize(double points) {
    fontSize_ = points;
    applyFont();
}

void QtPrinter::applyFont() {
    if (painter_) painter_->setFont(printFont(fontName_, fontSize_));
}

void QtPrinter::begin() {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!pdfPath_.isEmpty()) {
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(pdfPath_);
    }
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        painter_.reset();
        printer_.reset();
        throw RunTimeError(482, "Printer error");
    }
    y_ = 0;
    sheets_ = 1;
    pageBreakPending_ = false;
    applyFont();
}

void QtPrinter::startSheet() {
    if (!printer_->newPage()) throw RunTimeError(482, "Printer error");
    ++sheets_;
}

void QtPrinter::printLine(const std::string& text) {
    if (!painter_) begin();
    QString t = QString::fromStdString(text);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QFontMetricsF fm(painter_->font(), printer_.get());
    const double pageHeight = printer_->pageLayout().paintRectPixels(printer_->resolution()).height();
    for (const QString& line : t.split(QLatin1Char('\n'))) {
        // Blank lines only move down the sheet; a sheet is begun for the
        // first line that shows something, so blank lines never make a sheet
        // of their own.
        if (line.trimmed().isEmpty()) {
            y_ += fm.lineSpacing();
            continue;
        }
        if (pageBreakPending_) {
            pageBreakPending_ = false;
            startSheet();
        }
        // A line that would cross the bottom of the sheet goes on the next
        // one (a sheet always takes at least one line).
        if (y_ > 0 && y_ + fm.height() > pageHeight) {
            startSheet();
            y_ = 0;
        }
        painter_->drawText(QPointF(0, y_ + fm.ascent()), line);
        y_ += fm.lineSpacing();
    }
}

void QtPrinter::newPage() {
    if (!painter_) return;
    // The next sheet begins with what is printed next.
    pageBreakPending_ = true;
    y_ = 0;
}

void QtPrinter::endDoc() {
    const bool ended = !painter_ || painter_->end();
    painter_.reset();
    printer_.reset();
    pageBreakPending_ = false;
    y_ = 0;
    if (!ended) throw RunTimeError(482, "Printer error");
}

}  // namespace jd::qt
