#pragma once
// The printer as Qt drives it: the system's default printer, without a
// printer dialog, or a PDF file when one is named (for looking at the output).
#include <QFont>
#include <QPageSize>
#include <QPrinterInfo>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

#include "platform/services.h"

namespace jd::qt {

// Collects the lines of a job page by page and prints them when the job
// ends, so that the font size can be chosen for the whole job: the size
// asked for, or the largest smaller one at which the longest page fits the
// sheet's printable height, so that every page comes out on one sheet. On
// the printer the sheet is the default paper of its queue (a Letter queue
// gets Letter sheets, not A4 ones it would cut or stop for). The job carries
// the report's title as its document name, which the queue shows. A
// page still too long at the smallest size goes on with the next sheet
// rather than past the paper's edge. A new sheet starts only when something
// is printed after newPage(), so no blank sheet comes out at the end. The
// font is the one asked for when the system has it with a fixed pitch, else
// Liberation Mono (made to the measure of Courier New), else the system's
// fixed-pitch font, so text laid out in columns keeps its shape.
class QtPrinter : public Printer {
public:
    // The name a job goes to the queue under: the report's title line.
    static QString documentName();

    // Where a job on the printer goes: the paper the printer's queue feeds
    // (its default page size), and a PDF file that takes the job in the
    // queue's place (print to file; empty for the queue itself).
    struct Queue {
        std::function<QPageSize(const QPrinterInfo&)> paper = [](const QPrinterInfo& printer) {
            return printer.defaultPageSize();
        };
        QString printToFile;
    };

    // The system's default printer, on the paper its queue takes by default.
    QtPrinter() = default;
    // The default printer with the queue given (tests put a queue's paper
    // in place of the machine's).
    explicit QtPrinter(Queue queue);
    // A PDF file, written on the paper given or else on the default paper.
    explicit QtPrinter(QString pdfPath, QPageSize paper = {});
    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    bool isInstalled() const override;
    void setFontName(const std::string& name) override;
    void setFontSize(double points) override;
    void printLine(const std::string& text) override;
    void newPage() override;
    void endDoc() override;

    // Below this size a page is no longer made smaller: it runs over.
    static constexpr double kSmallestPoints = 6;

    // The font text is printed in for a font name and size (above).
    static QFont printFont(const QString& name, double points);
    // The largest size up to `points`, in steps of a tenth of a point, at
    // which `lines` lines fit `printableHeight`, given the height of a line
    // at `points` (both heights in the same unit); never below
    // kSmallestPoints.
    static double fittingFontSize(double points, double lineHeight, int lines, double printableHeight);
    // Sheets of the last job ended, and the font size it was printed in.
    int sheets() const { return sheets_; }
    double printedPoints() const { return printedPoints_; }

private:
    Queue queue_;
    QString pdfPath_;
    QPageSize paper_;
    QString fontName_ = QStringLiteral("Courier New");
    double fontSize_ = 11;
    bool pageBreakPending_ = false;
    std::vector<QStringList> pages_;  // the lines of each page of the job
    int sheets_ = 0;
    double printedPoints_ = 0;
};

}  // namespace jd::qt
