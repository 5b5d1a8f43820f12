#include "label/app/dialogs/label_size_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <utility>

#include "label/app/dialogs/free_size_dialog.h"
#include "platform/qt_text.h"

namespace qv {

namespace {

constexpr int kMaxMillimetres = 9999;  // four digits are plenty for any sheet
constexpr int kMaxLimit = 999;

QLineEdit* integerEdit(int maximum, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setValidator(new QIntValidator(0, maximum, edit));
    return edit;
}

// Writes a number into an edit unless it already shows it, so the cursor of an edit the user is
// typing in stays where it is.
void showNumber(QLineEdit* edit, int value) {
    const QString text = QString::number(value);
    if (edit->text() != text) edit->setText(text);
}

}  // namespace

LabelSizeDialog::LabelSizeDialog(const SheetGeometry& sheet, const PaperTable& papers,
                                 MessageService& messages, QWidget* parent)
    : QDialog(parent),
      form_(sheet, papers, messages),
      askFreeSize_(askFreeSize),
      paperBox_(new QComboBox(this)),
      widthEdit_(integerEdit(kMaxMillimetres, this)),
      heightEdit_(integerEdit(kMaxMillimetres, this)),
      topEdit_(integerEdit(kMaxMillimetres, this)),
      leftEdit_(integerEdit(kMaxMillimetres, this)),
      columnsEdit_(integerEdit(kMaxLimit, this)),
      rowsEdit_(integerEdit(kMaxLimit, this)),
      fitBox_(new QCheckBox(QStringLiteral("用紙の巾に合わせる"), this)),
      noFrameBox_(new QCheckBox(QStringLiteral("枠線を印刷しない"), this)),
      summary_(new QLabel(this)),
      paperLine_(new QLabel(this)) {
    setWindowTitle(QStringLiteral("ラベルの位置と大きさ"));
    for (int index = 0; index < kPaperCount; ++index)
        paperBox_->addItem(fromUtf8(PaperTable::displayName(index)));

    const SheetGeometry& start = form_.sheet();
    paperBox_->setCurrentIndex(start.paperIndex >= 0 && start.paperIndex < kPaperCount
                                   ? start.paperIndex
                                   : kFreePaperIndex);
    widthEdit_->setText(QString::number(start.labelWidthMm));
    heightEdit_->setText(QString::number(start.labelHeightMm));
    topEdit_->setText(QString::number(start.firstLabelTopMm));
    leftEdit_->setText(QString::number(start.firstLabelLeftMm));
    fitBox_->setChecked(start.fitToPaperWidth != 0);
    noFrameBox_->setChecked(start.noFrameLines != 0);

    buildLayout();
    refresh();
    connectControls();
}

void LabelSizeDialog::buildLayout() {
    auto* sizes = new QFormLayout;
    sizes->addRow(QStringLiteral("用紙"), paperBox_);
    sizes->addRow(QStringLiteral("ラベルの巾(mm)"), widthEdit_);
    sizes->addRow(QStringLiteral("ラベルの高さ(mm)"), heightEdit_);
    sizes->addRow(QStringLiteral("上端から(mm)"), topEdit_);
    sizes->addRow(QStringLiteral("左端から(mm)"), leftEdit_);

    auto* limits = new QGroupBox(QStringLiteral("列の制限"), this);
    auto* limitRows = new QFormLayout(limits);
    limitRows->addRow(QStringLiteral("横列 :"), columnsEdit_);
    limitRows->addRow(QStringLiteral("縦列 :"), rowsEdit_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &LabelSizeDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sizes);
    layout->addWidget(fitBox_);
    layout->addWidget(noFrameBox_);
    layout->addWidget(limits);
    layout->addWidget(summary_);
    layout->addWidget(paperLine_);
    layout->addWidget(buttons);
}

void LabelSizeDialog::connectControls() {
    // activated: only the user's choice, and again when 自由ｻｲｽﾞ is chosen a second time.
    connect(paperBox_, &QComboBox::activated, this, &LabelSizeDialog::choosePaper);
    connectSizeEdit(widthEdit_, &LabelSizeForm::setLabelWidth);
    connectSizeEdit(heightEdit_, &LabelSizeForm::setLabelHeight);
    connectSizeEdit(topEdit_, &LabelSizeForm::setFirstLabelTop);
    connectSizeEdit(leftEdit_, &LabelSizeForm::setFirstLabelLeft);
    connectLimitEdit(columnsEdit_, &LabelSizeForm::typeColumnLimit);
    connectLimitEdit(rowsEdit_, &LabelSizeForm::typeRowLimit);
    connect(fitBox_, &QCheckBox::toggled, this, &LabelSizeDialog::setFitToPaperWidth);
    connect(noFrameBox_, &QCheckBox::toggled, this, [this](bool on) { form_.setNoFrameLines(on); });
}

// Every keystroke counts; an emptied edit is 0 (no label fits until a new size is typed).
void LabelSizeDialog::connectSizeEdit(QLineEdit* edit, void (LabelSizeForm::*setter)(int)) {
    connect(edit, &QLineEdit::textChanged, this, [this, setter](const QString& text) {
        if (writingEdits_) return;
        (form_.*setter)(text.toInt());
        refresh();
    });
}

// A limit counts as soon as it is typed. An emptied edit waits for the next digit, and counts as
// 0 (so 1) only when the user leaves it empty.
void LabelSizeDialog::connectLimitEdit(QLineEdit* edit, void (LabelSizeForm::*typeLimit)(int)) {
    connect(edit, &QLineEdit::textChanged, this, [this, typeLimit](const QString& text) {
        if (writingEdits_ || text.isEmpty()) return;
        (form_.*typeLimit)(text.toInt());
        refresh();
    });
    connect(edit, &QLineEdit::editingFinished, this, [this, edit, typeLimit] {
        if (writingEdits_ || !edit->text().isEmpty()) return;
        (form_.*typeLimit)(0);
        refresh();
    });
}

void LabelSizeDialog::choosePaper(int index) {
    if (index == kFreePaperIndex) {
        const PaperSize size = askFreeSize_(this, form_.papers().freeSize());
        form_.setFreeSize(size.widthMm, size.heightMm);
    } else {
        form_.choosePaper(toUtf8(paperBox_->itemText(index)));
    }
    refresh();
}

void LabelSizeDialog::setFitToPaperWidth(bool on) {
    labelZoom_ = form_.setFitToPaperWidth(on);
    if (on) {
        const bool wasWriting = std::exchange(writingEdits_, true);
        showNumber(widthEdit_, form_.sheet().labelWidthMm);
        writingEdits_ = wasWriting;
    }
    refresh();
}

// Shows the form's state: the limits it recalculated, the summary, the paper line and whether the
// label width may be edited.
void LabelSizeDialog::refresh() {
    const bool wasWriting = std::exchange(writingEdits_, true);
    showNumber(columnsEdit_, form_.sheet().maxColumns);
    showNumber(rowsEdit_, form_.sheet().maxRows);
    writingEdits_ = wasWriting;
    widthEdit_->setEnabled(form_.labelWidthEditable());
    summary_->setText(fromUtf8(form_.summaryLine()));
    paperLine_->setText(fromUtf8(form_.paperLine()));
}

void LabelSizeDialog::accept() {
    if (form_.accept()) QDialog::accept();
}

bool editSheetGeometry(QWidget* parent, SheetGeometry& sheet, PaperTable& papers,
                       MessageService& messages, int* labelZoom) {
    LabelSizeDialog dialog(sheet, papers, messages, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    const SheetGeometry& edited = dialog.form().sheet();
    sheet.firstLabelLeftMm = edited.firstLabelLeftMm;
    sheet.firstLabelTopMm = edited.firstLabelTopMm;
    sheet.labelWidthMm = edited.labelWidthMm;
    sheet.labelHeightMm = edited.labelHeightMm;
    sheet.maxColumns = edited.maxColumns;
    sheet.maxRows = edited.maxRows;
    sheet.paperIndex = edited.paperIndex;
    sheet.paperWidthMm = edited.paperWidthMm;
    sheet.paperHeightMm = edited.paperHeightMm;
    sheet.fitToPaperWidth = edited.fitToPaperWidth;
    sheet.noFrameLines = edited.noFrameLines;
    papers.setFreeSize(dialog.form().papers().freeSize());
    if (labelZoom) *labelZoom = dialog.labelZoom();
    return true;
}

}  // namespace qv
