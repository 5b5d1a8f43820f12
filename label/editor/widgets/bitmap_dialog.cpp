#include "label/editor/widgets/bitmap_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cmath>

#include "label/definition/tenths_of_mm.h"
#include "platform/button_groups.h"
#include "platform/qt_text.h"

namespace qv {

namespace {

constexpr BitmapValue kValues[] = {BitmapValue::X, BitmapValue::Y, BitmapValue::Width,
                                   BitmapValue::Height};

QPushButton* button(const char* text, const char* name, QWidget* parent) {
    auto* pushButton = new QPushButton(QString::fromUtf8(text), parent);
    pushButton->setObjectName(QString::fromLatin1(name));
    pushButton->setAutoDefault(false);
    return pushButton;
}

QString chooseWithFileDialog(QWidget* parent, const QString& folder) {
    QFileDialog dialog(parent, QStringLiteral("ビットマップファイル参照"), folder,
                       QStringLiteral("Bitmapﾌｧｲﾙ (*.BMP *.bmp);;全て(*)"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("BMP"));
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

void viewWithInfoDialog(QWidget* parent, const BitmapInfoTexts& texts) {
    BitmapInfoDialog dialog(texts, parent);
    dialog.exec();
}

}  // namespace

BitmapInfoDialog::BitmapInfoDialog(const BitmapInfoTexts& texts, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("ビットマップの情報"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    const struct {
        const char* caption;
        const char* name;
        const std::string& text;
    } rows[] = {{"ファイル名", "infoFileName", texts.fileName},
                {"色数", "infoColours", texts.colours},
                {"巾", "infoWidth", texts.width},
                {"高さ", "infoHeight", texts.height}};
    int row = 0;
    for (const auto& each : rows) {
        grid->addWidget(new QLabel(QString::fromUtf8(each.caption), this), row, 0);
        auto* value = new QLabel(fromUtf8(each.text), this);
        value->setObjectName(QString::fromLatin1(each.name));
        value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        grid->addWidget(value, row++, 1);
    }
    layout->addLayout(grid);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

BitmapDialog::BitmapDialog(LabelDefinition& definition, std::string definitionFolder,
                           MessageService& messages, bool fitToFrame, QWidget* parent)
    : QDialog(parent),
      form_(definition, std::move(definitionFolder), messages, fitToFrame),
      fileChooser_(chooseWithFileDialog),
      infoViewer_(viewWithInfoDialog),
      lastFolder_(QDir::currentPath()) {
    setWindowTitle(QStringLiteral("ビットマップの設定"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buildAreaChoice());
    layout->addLayout(buildPath());
    layout->addLayout(buildPosition());
    layout->addLayout(buildPreviewAndButtons());

    // The small editor that opens over a position text.
    positionEditor_ = new QDoubleSpinBox(this);
    positionEditor_->setObjectName(QStringLiteral("positionEditor"));
    positionEditor_->setDecimals(1);
    positionEditor_->setSingleStep(0.1);
    positionEditor_->hide();
    positionEditor_->installEventFilter(this);

    loadImage();
    showPath();
    showValues();
    showState();
}

QLayout* BitmapDialog::buildAreaChoice() {
    auto* row = new QHBoxLayout;
    areaGroup_ = new QButtonGroup(this);
    const char* const names[] = {"area1", "area2"};
    const char* const texts[] = {"ビットマップ １", "ビットマップ ２"};
    for (int slot = 0; slot < kBitmapSlots; ++slot) {
        auto* radio = new QRadioButton(QString::fromUtf8(texts[slot]), this);
        radio->setObjectName(QString::fromLatin1(names[slot]));
        areaGroup_->addButton(radio, slot);
        row->addWidget(radio);
    }
    row->addStretch();
    connect(areaGroup_, &QButtonGroup::idClicked, this, &BitmapDialog::showArea);
    return row;
}

QLayout* BitmapDialog::buildPath() {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("ファイル"), this));
    pathEdit_ = new QLineEdit(this);
    pathEdit_->setObjectName(QStringLiteral("pathEdit"));
    pathEdit_->setMinimumWidth(280);
    connect(pathEdit_, &QLineEdit::textEdited, this, [this](const QString& text) {
        form_.typePath(toUtf8(text));
        loadImage();
        showPreview();
        showState();
    });
    row->addWidget(pathEdit_, 1);
    QPushButton* browseButton = button("参照", "browseButton", this);
    connect(browseButton, &QPushButton::clicked, this, &BitmapDialog::browse);
    row->addWidget(browseButton);
    return row;
}

QLabel* BitmapDialog::positionText(const char* name, BitmapValue which) {
    auto* text = new QLabel(this);
    text->setObjectName(QString::fromLatin1(name));
    text->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    text->setMinimumWidth(64);
    text->setCursor(Qt::IBeamCursor);
    text->installEventFilter(this);
    valueTexts_[static_cast<int>(which)] = text;
    return text;
}

QLayout* BitmapDialog::buildPosition() {
    auto* grid = new QGridLayout;
    const struct {
        const char* caption;
        const char* name;
        BitmapValue which;
    } items[] = {{"X位置", "xText", BitmapValue::X},
                 {"Y位置", "yText", BitmapValue::Y},
                 {"巾", "widthText", BitmapValue::Width},
                 {"高さ", "heightText", BitmapValue::Height}};
    int column = 0;
    for (const auto& item : items) {
        grid->addWidget(new QLabel(QString::fromUtf8(item.caption), this), 0, column++);
        grid->addWidget(positionText(item.name, item.which), 0, column++);
        grid->addWidget(new QLabel(QStringLiteral("mm"), this), 0, column++);
    }
    return grid;
}

QLayout* BitmapDialog::buildPreviewAndButtons() {
    auto* row = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    preview_ = new QScrollArea(this);
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setWidgetResizable(false);
    preview_->setMinimumSize(280, 180);
    previewImage_ = new QLabel;
    previewImage_->setObjectName(QStringLiteral("previewImage"));
    preview_->setWidget(previewImage_);
    preview_->viewport()->installEventFilter(this);
    previewImage_->installEventFilter(this);
    left->addWidget(preview_, 1);
    fitCheck_ = new QCheckBox(QStringLiteral("張り付け位置の枠に合わせる"), this);
    fitCheck_->setObjectName(QStringLiteral("fitCheck"));
    connect(fitCheck_, &QCheckBox::clicked, this, &BitmapDialog::fitClicked);
    left->addWidget(fitCheck_);
    row->addLayout(left, 1);

    auto* buttons = new QVBoxLayout;
    storeButton_ = button("登録･修正", "storeButton", this);
    deleteButton_ = button("削　除", "deleteButton", this);
    QPushButton* closeButton = button("終　了", "closeButton", this);
    connect(storeButton_, &QPushButton::clicked, this, &BitmapDialog::store);
    connect(deleteButton_, &QPushButton::clicked, this, &BitmapDialog::remove);
    connect(closeButton, &QPushButton::clicked, this, &BitmapDialog::reject);
    buttons->addWidget(storeButton_);
    buttons->addWidget(deleteButton_);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    row->addLayout(buttons);
    return row;
}

void BitmapDialog::showArea(int slot) {
    finishEditing(false);
    form_.showArea(slot);
    loadImage();
    showPath();
    showValues();
    showState();
}

void BitmapDialog::takeRubberRectangle(const qv::LogicalRect& tenthsOfMm) {
    finishEditing(false);
    form_.takeRubberRectangle(tenthsOfMm);
    showValues();
    showPreview();
    showState();
}

void BitmapDialog::reject() {
    finishEditing(false);
    QDialog::reject();
    emit closed();
}

void BitmapDialog::browse() {
    const QString chosen = fileChooser_(this, lastFolder_);
    if (chosen.isEmpty()) return;
    lastFolder_ = QFileInfo(chosen).absolutePath();
    form_.choosePath(toUtf8(chosen));
    loadImage();
    showPath();
    showState();
}

void BitmapDialog::store() {
    finishEditing(false);
    if (!form_.store()) return;
    showState();
    emit areasChanged();
}

void BitmapDialog::remove() {
    finishEditing(false);
    if (!form_.remove()) return;
    loadImage();
    showPath();
    showValues();
    showState();
    emit areasChanged();
}

void BitmapDialog::fitClicked(bool on) {
    const QSignalBlocker blocker(fitCheck_);
    fitCheck_->setChecked(form_.setFitToFrame(on));
    showPreview();
}

bool BitmapDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == positionEditor_ && editing_ >= 0) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
                finishEditing(key != Qt::Key_Escape);
                return true;  // Esc must not close the dialog, nor Enter press a button
            }
        } else if (event->type() == QEvent::FocusOut) {
            finishEditing(false);
        }
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseButtonPress) {
        for (BitmapValue which : kValues) {
            if (watched == valueTexts_[static_cast<int>(which)]) {
                startEditing(which);
                return true;
            }
        }
        if (watched == previewImage_ || watched == preview_->viewport()) {
            showInfo();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void BitmapDialog::startEditing(BitmapValue which) {
    finishEditing(false);
    editing_ = static_cast<int>(which);
    positionEditor_->setRange(0.0, mmFromTenths(form_.maximum(which)));
    positionEditor_->setValue(mmFromTenths(form_.value(which)));
    QLabel* text = valueTexts_[editing_];
    positionEditor_->setGeometry(QRect(text->mapTo(this, QPoint(0, 0)), text->size())
                                     .adjusted(0, 0, 24, 0));  // room for the arrows
    positionEditor_->show();
    positionEditor_->raise();
    positionEditor_->setFocus();
    positionEditor_->selectAll();
    emit statusMessage(fromUtf8(BitmapForm::editingStatus(which)));
}

void BitmapDialog::finishEditing(bool commit) {
    if (editing_ < 0) return;
    const BitmapValue which = kValues[editing_];
    editing_ = -1;  // first: hiding the editor takes its focus and comes back here
    if (commit) {
        positionEditor_->interpretText();
        form_.setValue(which, tenthsFromMm(positionEditor_->value()));
    }
    positionEditor_->hide();
    showValues();
    showPreview();
    showState();
    emit statusMessage(QStringLiteral("Ready"));
}

void BitmapDialog::showInfo() {
    const std::optional<BitmapInfoTexts> texts = form_.infoTexts(logicalDpiX(), logicalDpiY());
    if (texts) infoViewer_(this, *texts);
}

void BitmapDialog::loadImage() {
    const LoadedBitmap& bitmap = form_.bitmap();
    image_ = bitmap.loaded()
                 ? QImage::fromData(
                       QByteArray(bitmap.bytes.data(), static_cast<qsizetype>(bitmap.bytes.size())),
                       "BMP")
                 : QImage();
    showPreview();
}

void BitmapDialog::showPath() {
    pathEdit_->setText(fromUtf8(form_.path()));
}

void BitmapDialog::showValues() {
    for (BitmapValue which : kValues) {
        valueTexts_[static_cast<int>(which)]->setText(fromUtf8(form_.valueText(which)));
    }
}

void BitmapDialog::showPreview() {
    const PixelSize size = form_.previewSize(logicalDpiX(), logicalDpiY());
    if (image_.isNull() || size.width <= 0 || size.height <= 0) {
        previewImage_->clear();
        previewImage_->resize(0, 0);
        return;
    }
    QImage shown = image_;
    if (shown.width() != size.width || shown.height() != size.height) {
        shown =
            image_.scaled(size.width, size.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    previewImage_->setPixmap(QPixmap::fromImage(shown));
    previewImage_->resize(shown.size());
}

void BitmapDialog::showState() {
    checkOnly(areaGroup_, form_.currentArea());  // no area current: neither button is on
    storeButton_->setEnabled(form_.storeEnabled());
    deleteButton_->setEnabled(form_.removeEnabled());
    const QSignalBlocker blocker(fitCheck_);
    fitCheck_->setChecked(form_.fitToFrame());
}

}  // namespace qv
