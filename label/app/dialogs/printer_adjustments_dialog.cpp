#include "label/app/dialogs/printer_adjustments_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/qt_text.h"

namespace qv {

namespace {

enum Column { PrinterColumn, OffsetXColumn, OffsetYColumn, WholeDotsColumn, ReductionColumn };

}  // namespace

PrinterAdjustmentsDialog::PrinterAdjustmentsDialog(const std::vector<std::string>& printers,
                                                   ProfileFile settings, MessageService& messages,
                                                   SheetPrinter printSheet, QWidget* parent)
    : QDialog(parent),
      form_(printers, std::move(settings), messages),
      printSheet_(std::move(printSheet)) {
    setWindowTitle(QStringLiteral("プリンタの調整"));
    auto* layout = new QVBoxLayout(this);
    auto* help = new QLabel(
        QStringLiteral(
            "キャリブレーションシートを印刷し、用紙の端が目盛りを切る数値を今のオフセットに足して"
            "入力します（mm、X は右へ、Y は下へ動かします）。\n"
            "ドット単位のバーコード: モジュールをプリンタのドットの整数倍にします。"
            "バー幅の補正: にじむプリンタでバーを細くするドット数です。"),
        this);
    help->setWordWrap(true);
    layout->addWidget(help);
    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("printers"));
    layout->addWidget(table_);
    fillTable();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* sheet = buttons->addButton(QStringLiteral("キャリブレーションシートを印刷"),
                                            QDialogButtonBox::ActionRole);
    sheet->setObjectName(QStringLiteral("printCalibrationSheet"));
    sheet->setEnabled(!form_.rows().empty());
    connect(sheet, &QPushButton::clicked, this, &PrinterAdjustmentsDialog::printSheetForCurrentRow);
    connect(buttons, &QDialogButtonBox::accepted, this, &PrinterAdjustmentsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PrinterAdjustmentsDialog::reject);
    layout->addWidget(buttons);
    resize(900, 320);
}

void PrinterAdjustmentsDialog::fillTable() {
    const auto& rows = form_.rows();
    table_->setColumnCount(5);
    table_->setRowCount(static_cast<int>(rows.size()));
    table_->setHorizontalHeaderLabels(
        {QStringLiteral("プリンタ"), QStringLiteral("X (mm)"), QStringLiteral("Y (mm)"),
         QStringLiteral("ドット単位のバーコード"), QStringLiteral("バー幅の補正 (ドット)")});
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(PrinterColumn, QHeaderView::Stretch);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const PrinterAdjustmentsForm::Row& r = rows[static_cast<size_t>(row)];
        auto* name = new QTableWidgetItem(fromUtf8(r.printer));
        name->setFlags(name->flags() & ~Qt::ItemIsEditable);
        table_->setItem(row, PrinterColumn, name);
        table_->setItem(row, OffsetXColumn, new QTableWidgetItem(fromUtf8(r.offsetX)));
        table_->setItem(row, OffsetYColumn, new QTableWidgetItem(fromUtf8(r.offsetY)));
        auto* wholeDots = new QCheckBox(table_);
        wholeDots->setChecked(r.wholeDotModules);
        table_->setCellWidget(row, WholeDotsColumn, wholeDots);
        auto* reduction = new QSpinBox(table_);
        reduction->setRange(0, kMostBarWidthReductionDots);
        reduction->setValue(r.barWidthReductionDots);
        table_->setCellWidget(row, ReductionColumn, reduction);
    }
    if (!rows.empty()) table_->setCurrentCell(0, OffsetXColumn);
}

// The row's widgets into the form.
void PrinterAdjustmentsDialog::takeRow(int row) {
    PrinterAdjustmentsForm::Row r;
    r.offsetX = toUtf8(table_->item(row, OffsetXColumn)->text().trimmed());
    r.offsetY = toUtf8(table_->item(row, OffsetYColumn)->text().trimmed());
    r.wholeDotModules =
        static_cast<QCheckBox*>(table_->cellWidget(row, WholeDotsColumn))->isChecked();
    r.barWidthReductionDots =
        static_cast<QSpinBox*>(table_->cellWidget(row, ReductionColumn))->value();
    form_.setRow(static_cast<size_t>(row), r);
}

void PrinterAdjustmentsDialog::printSheetForCurrentRow() {
    const int row = std::max(0, table_->currentRow());
    if (row >= table_->rowCount()) return;
    takeRow(row);
    const std::optional<PrinterAdjustment> adjustment =
        form_.adjustmentOf(static_cast<size_t>(row));
    if (adjustment && printSheet_) {
        printSheet_(form_.rows()[static_cast<size_t>(row)].printer, *adjustment);
    }
}

void PrinterAdjustmentsDialog::accept() {
    for (int row = 0; row < table_->rowCount(); ++row) takeRow(row);
    if (form_.accept()) QDialog::accept();
}

}  // namespace qv
