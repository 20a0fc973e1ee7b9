#include "qt/qt_printer.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/run_time_error.h"
#include "qt/qt_binding.h"
#include "report/report_pages.h"

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

// The lines of a page up to the last one that shows something: blank lines
// at its end take no room on the sheet.
int usedLines(const QStringList& page) {
    for (auto i = page.size(); i > 0; --i)
        if (!page[i - 1].trimmed().isEmpty()) return static_cast<int>(i);
    return 0;
}

void startSheet(QPrinter& printer) {
    if (!printer.newPage()) throw RunTimeError(482, "Printer error");
}

}  // namespace

QFont QtPrinter::printFont(const QString& name, double points) {
    for (const QString& family : {name, QStringLiteral("Liberation Mono")}) {
        QFont f(family);
        f.setStyleHint(QFont::TypeWriter);
        f.setPointSizeF(points);
        // The font itself, not one the system offers in its place.
        if (QFontInfo(f).family().compare(family, Qt::CaseInsensitive) == 0 && hasFixedPitch(f)) return f;
    }
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(points);
    return fixed;
}

double QtPrinter::fittingFontSize(double points, double lineHeight, int lines, double printableHeight) {
    if (lines <= 0 || lineHeight <= 0) return points;
    // A line's height grows with the font's size.
    const double fitting = std::floor(10 * points * printableHeight / (lines * lineHeight)) / 10;
    return std::max(kSmallestPoints, std::min(points, fitting));
}

QString QtPrinter::documentName() {
    return QString::fromUtf8(report::ReportSiteTitle.data(), static_cast<qsizetype>(report::ReportSiteTitle.size())) +
           QStringLiteral(" - Horoscope");
}

QtPrinter::QtPrinter(Queue queue) : queue_(std::move(queue)) {}

QtPrinter::QtPrinter(QString pdfPath, QPageSize paper) : pdfPath_(std::move(pdfPath)), paper_(std::move(paper)) {}

QtPrinter::~QtPrinter() {
    // A job not ended is sent as it stands.
    try {
        endDoc();
    } catch (...) {
    }
}

bool QtPrinter::isInstalled() const { return !pdfPath_.isEmpty() || !QPrinterInfo::defaultPrinter().isNull(); }

void QtPrinter::setFontName(const std::string& name) { fontName_ = toQt(name); }

void QtPrinter::setFontSize(double points) { fontSize_ = points; }

void QtPrinter::printLine(const std::string& text) {
    if (pages_.empty() || pageBreakPending_) pages_.emplace_back();
    pageBreakPending_ = false;
    QString t = toQt(text);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    pages_.back() += t.split(QLatin1Char('\n'));
}

void QtPrinter::newPage() {
    // The next page begins with what is printed next.
    if (!pages_.empty()) pageBreakPending_ = true;
}

void QtPrinter::endDoc() {
    const std::vector<QStringList> pages = std::move(pages_);
    pages_.clear();
    pageBreakPending_ = false;
    if (pages.empty()) return;

    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName());
    if (!pdfPath_.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath_);
        if (paper_.isValid()) printer.setPageSize(paper_);
    } else {
        // The sheets the queue feeds, whatever paper Qt starts a job on.
        const QPageSize paper = queue_.paper(QPrinterInfo(printer));
        if (!queue_.printToFile.isEmpty()) printer.setOutputFileName(queue_.printToFile);
        if (paper.isValid()) printer.setPageSize(paper);
    }
    QPainter painter;
    if (!painter.begin(&printer)) throw RunTimeError(482, "Printer error");
    const double sheetHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();

    int longest = 0;
    for (const QStringList& page : pages) longest = std::max(longest, usedLines(page));
    QFont font = printFont(fontName_, fontSize_);
    const auto pageHeight = [&](double points) {
        font.setPointSizeF(points);
        const QFontMetricsF fm(font, &printer);
        return (longest - 1) * fm.lineSpacing() + fm.height();
    };
    double points = fittingFontSize(fontSize_, QFontMetricsF(font, &printer).lineSpacing(), longest, sheetHeight);
    // A font's lines do not grow exactly with its size: smaller still until
    // the longest page really fits.
    while (points > kSmallestPoints && pageHeight(points) > sheetHeight)
        points = std::max(kSmallestPoints, points - 0.1);
    font.setPointSizeF(points);
    painter.setFont(font);
    const QFontMetricsF fm(font, &printer);
    printedPoints_ = points;
    sheets_ = 1;

    double y = 0;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const QStringList& page = pages[p];
        const int used = usedLines(page);
        // A page that shows nothing makes no sheet of its own.
        if (p > 0) {
            if (used == 0) continue;
            startSheet(printer);
            ++sheets_;
            y = 0;
        }
        for (int i = 0; i < used; ++i) {
            // Blank lines only move down the sheet.
            if (!page[i].trimmed().isEmpty()) {
                // A line that would cross the bottom of the sheet goes on
                // the next one (a sheet always takes at least one line).
                if (y > 0 && y + fm.height() > sheetHeight) {
                    startSheet(printer);
                    ++sheets_;
                    y = 0;
                }
                painter.drawText(QPointF(0, y + fm.ascent()), page[i]);
            }
            y += fm.lineSpacing();
        }
    }
    if (!painter.end()) throw RunTimeError(482, "Printer error");
}

}  // namespace jd::qt
