#pragma once
// The printer as Qt drives it: the system's default printer, without a
// printer dialog, or a PDF file when one is named (for looking at the output).
#include <QFont>
#include <QString>
#include <memory>
#include <string>

#include "platform/services.h"

class QPainter;
class QPrinter;

namespace jd::qt {

// Prints line by line from the top of the sheet. A new sheet starts only when
// something is printed after newPage(), so no blank sheet comes out at the
// end; a sheet that fills up goes on with the next one rather than drawing
// past the paper's edge. The font is the one asked for when the system has
// it, else a fixed-pitch font of the same size, so text laid out in columns
// keeps its shape.
class QtPrinter : public Printer {
public:
    explicit QtPrinter(QString pdfPath = {});
    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    bool isInstalled() const override;
    void setFontName(const std::string& name) override;
    void setFontSize(double points) override;
    void printLine(const std::string& text) override;
    void newPage() override;
    void endDoc() override;

    // The font text is printed in for a font name and size: that font when
    // the system has it with a fixed pitch, else the system's fixed-pitch
    // font at that size.
    static QFont printFont(const QString& name, double points);
    // Sheets begun in the job under way, or in the last one ended.
    int sheets() const { return sheets_; }

private:
    void begin();
    void applyFont();
    void startSheet();

    QString pdfPath_;
    QString fontName_ = QStringLiteral("Courier New");
    double fontSize_ = 11;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    bool pageBreakPending_ = false;
    double y_ = 0;
    int sheets_ = 0;
};

}  // namespace jd::qt
