// Printing a document's table from the data editor: the question before a long job, the print
// dialog, print preview, and a PDF beside the data file when no printer is installed.
#pragma once

#include <QString>
#include <functional>

#include "common/message_service.h"
#include "editor/model/rowsmith_doc.h"
#include "editor/model/rowsmith_fonts.h"

class QIODevice;
class QPrinter;
class QPainter;
class QWidget;

namespace qv {

class GridPrintJob;

class GridPrintRunner {
  public:
    // `title` is the document's title as its window shows it.
    GridPrintRunner(CROWSMITHDoc& document, const QString& title, const RowsmithFonts& fonts,
                    MessageService& messages, QWidget* parent);

    enum class Outcome { Printed, WrotePdf, Previewed, Cancelled, NothingToPrint, Failed };

    // The texts for the first pane of the status bar ("印刷準備中  ■…", "ﾚﾃﾞｨ", where a PDF
    // went). Optional.
    std::function<void(const QString&)> showStatus;

    // Without any printer: asks for the PDF file to write, offering `suggested`; an empty name
    // cancels. By default a save dialog that asks before replacing a file.
    std::function<QString(const QString& suggested)> askPdfPath;

    // Every page, through the print dialog when `withDialog` (which may choose a range).
    // Without any printer the pages go to the PDF file the user names (fallbackPdfPath offered).
    Outcome print(bool withDialog);
    Outcome preview();
    // All pages into a PDF of A4 portrait paper, the whole sheet printable.
    bool writePdf(const QString& path, QString& error);

    // The data file's path with ".pdf" added (shop.csv.pdf, apart from the label program's
    // shop.pdf); "rowsmith.pdf" in the home folder for a document never saved.
    static QString fallbackPdfPath(const CROWSMITHDoc& document);

  private:
    bool mayStart();
    QString choosePdfPath();
    void status(const QString& text);
    // Composes on `painter`'s device and paints pages `first` to `last` (0: all).
    int paint(QPainter& painter, GridPrintJob& job, double widthInches, double heightInches,
              const std::function<void()>& newPage, int first = 1, int last = 0);
    void paintOnPrinter(QPrinter& printer, GridPrintJob& job, bool range);
    // Every page as a PDF into `device`; `path` names it in a failure message.
    bool paintPdf(QIODevice& device, const QString& path, QString& error);

    CROWSMITHDoc& document_;
    QString title_;
    RowsmithFonts fonts_;
    MessageService& messages_;
    QWidget* parent_;
};

}  // namespace qv
