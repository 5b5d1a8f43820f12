#include "platform/font_picker_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QVBoxLayout>

#include "platform/font_mapping.h"
#include "platform/qt_text.h"

namespace qv {

// The sunken box that draws the sample text in the chosen font.
class FontSample : public QFrame {
  public:
    FontSample(const FontPickerDialog& dialog, QWidget* parent) : QFrame(parent), dialog_(dialog) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setObjectName(QStringLiteral("sample"));
        setMinimumSize(280, 80);
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        QPainter painter(this);
        painter.setFont(dialog_.sampleFont(logicalDpiY()));
        painter.drawText(contentsRect(), Qt::AlignCenter, fromUtf8(dialog_.form().sampleText()));
    }

  private:
    const FontPickerDialog& dialog_;
};

namespace {

// The installed family that draws the stored face `face`, named as the font database lists it
// (on a Japanese desktop "IPA明朝" rather than "IPAMincho").
std::string familyDrawing(const std::string& face) {
    return toSjis(QFontInfo(QFont(familyForFace(face))).family());
}

QCheckBox* styleBox(QWidget* parent, const char* text, const char* name) {
    auto* box = new QCheckBox(QString::fromUtf8(text), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

}  // namespace

FontPickerDialog::FontPickerDialog(const std::vector<FontFamily>& families,
                                   const FontChoice& preset, bool trueTypeOnly, QWidget* parent)
    : FontPickerDialog(families, preset, trueTypeOnly, false, parent) {}

FontPickerDialog::FontPickerDialog(const std::vector<FontFamily>& families,
                                   const FontChoice& preset, bool trueTypeOnly, bool japaneseOnly,
                                   QWidget* parent)
    : QDialog(parent),
      form_(families, preset, trueTypeOnly, japaneseOnly, familyDrawing(preset.face)) {
    setWindowTitle(QStringLiteral("フォント選択"));
    auto* grid = new QGridLayout(this);
    faceList_ = new QListWidget(this);
    faceList_->setObjectName(QStringLiteral("faces"));
    for (const FontFamily& face : form_.faces()) faceList_->addItem(fromSjis(listText(face)));
    connect(faceList_, &QListWidget::currentRowChanged, this, [this](int row) {
        form_.chooseFace(row);
        showState();
    });
    grid->addWidget(faceList_, 0, 0, 3, 1);

    grid->addWidget(new QLabel(QStringLiteral("サイズ :"), this), 0, 1);
    sizeBox_ = new QComboBox(this);
    sizeBox_->setObjectName(QStringLiteral("size"));
    sizeBox_->setEditable(true);
    sizeBox_->setValidator(new QIntValidator(1, FontPickerForm::kMaxPointSize, sizeBox_));
    for (const int size : FontPickerForm::sizes()) sizeBox_->addItem(QString::number(size));
    connect(sizeBox_, &QComboBox::currentTextChanged, this, &FontPickerDialog::chooseSize);
    grid->addWidget(sizeBox_, 1, 1);
    grid->addWidget(buildStyleBoxes(), 2, 1);

    grid->addWidget(new QLabel(QStringLiteral("サンプル :"), this), 3, 0, 1, 2);
    sample_ = new FontSample(*this, this);
    grid->addWidget(sample_, 4, 0, 1, 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &FontPickerDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FontPickerDialog::reject);
    grid->addWidget(buttons, 5, 0, 1, 2);
    showState();
}

QWidget* FontPickerDialog::buildStyleBoxes() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    boldBox_ = styleBox(column, "太字(&B)", "bold");
    italicBox_ = styleBox(column, "斜体(&I)", "italic");
    underlineBox_ = styleBox(column, "下線(&U)", "underline");
    connect(boldBox_, &QCheckBox::toggled, this, [this](bool on) {
        form_.setBold(on);
        showState();
    });
    connect(italicBox_, &QCheckBox::toggled, this, [this](bool on) {
        form_.setItalic(on);
        showState();
    });
    connect(underlineBox_, &QCheckBox::toggled, this, [this](bool on) {
        form_.setUnderline(on);
        showState();
    });
    layout->addWidget(boldBox_);
    layout->addWidget(italicBox_);
    layout->addWidget(underlineBox_);
    layout->addStretch();
    return column;
}

void FontPickerDialog::chooseSize(const QString& text) {
    bool ok = false;
    const int size = text.toInt(&ok);
    if (ok) form_.setPointSize(size);
    showState();
}

void FontPickerDialog::showState() {
    const FontChoice& choice = form_.choice();
    const QSignalBlocker blockList(faceList_);
    faceList_->setCurrentRow(form_.selectedRow());
    const QString size = QString::number(choice.pointSize);
    if (sizeBox_->currentText() != size) {
        const QSignalBlocker blockSize(sizeBox_);
        sizeBox_->setCurrentText(size);
    }
    boldBox_->setChecked(choice.bold);
    italicBox_->setChecked(choice.italic);
    underlineBox_->setChecked(choice.underline);
    sample_->update();
}

QFont FontPickerDialog::sampleFont(int dpi) const {
    const FontChoice& choice = form_.choice();
    QFont font(familyForFace(choice.face));
    font.setPixelSize(form_.samplePixelSize(dpi));
    // Windows weights run 0-1000 in the same steps as OpenType's 1-1000 scale.
    font.setWeight(static_cast<QFont::Weight>(form_.sampleWeight()));
    font.setItalic(choice.italic);
    font.setUnderline(choice.underline);
    return font;
}

std::vector<FontFamily> installedFamilies() {
    std::vector<FontFamily> families;
    for (const QString& name : QFontDatabase::families()) {
        const bool japanese = QFontDatabase::writingSystems(name).contains(QFontDatabase::Japanese);
        families.push_back(FontFamily{toSjis(name), QFontDatabase::isScalable(name), japanese});
    }
    return families;
}

std::optional<FontChoice> pickFont(QWidget* parent, const QString& caption,
                                   const FontChoice& preset, bool trueTypeOnly, bool japaneseOnly) {
    FontPickerDialog dialog(installedFamilies(), preset, trueTypeOnly, japaneseOnly, parent);
    if (!caption.isEmpty()) dialog.setWindowTitle(caption);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.form().choice();
}

}  // namespace qv
