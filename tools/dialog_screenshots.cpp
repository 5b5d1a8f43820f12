// Saves a picture of each dialog of the label program, filled from the bundled example, into
// the folder given: `dialog_screenshots docs/screenshots` (scripts/screenshots.sh runs it under
// Xvfb).
#include <QApplication>
#include <QDialog>
#include <QPixmap>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "common/message_service.h"
#include "label/app/dialogs/data_file_dialog.h"
#include "label/app/dialogs/direction_dialog.h"
#include "label/app/dialogs/free_size_dialog.h"
#include "label/app/dialogs/label_size_dialog.h"
#include "label/app/dialogs/page_break_dialog.h"
#include "label/app/dialogs/serial_number_dialog.h"
#include "label/app/dialogs/title_dialog.h"
#include "label/definition/quorvi_doc.h"

namespace {

void save(QDialog& dialog, const QString& folder, const QString& name) {
    dialog.show();
    QApplication::processEvents();
    dialog.grab().save(folder + "/" + name + ".png");
    dialog.close();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    qv::RecordingMessageService messages;
    qv::CQuorviDoc document(messages);
    if (!document.openDocument(QUORVI_SOURCE_DIR "/examples/shop.qvd")) return 1;
    qv::LabelDefinition& d = document.definition();
    d.pageBreakField = 2;

    qv::LabelSizeDialog labelSize(d.sheet, document.papers(), messages);
    save(labelSize, folder, "dialog-label-size");
    qv::FreeSizeDialog freeSize({250, 300});
    save(freeSize, folder, "dialog-free-size");
    qv::DirectionDialog direction(d.sheet.printDirection);
    save(direction, folder, "dialog-direction");
    qv::SerialNumberDialog serial(d.serialStartNumber, messages);
    save(serial, folder, "dialog-serial-number");
    qv::TitleDialog title(d);
    save(title, folder, "dialog-title");
    qv::PageBreakDialog pageBreak(d, messages);
    save(pageBreak, folder, "dialog-page-break");
    qv::DataFileDialog dataFile(d.dataFile, document.definitionFolder(), messages);
    save(dataFile, folder, "dialog-data-file");
    return 0;
}
