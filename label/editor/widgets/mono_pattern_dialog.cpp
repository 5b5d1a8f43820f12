#include "label/editor/widgets/mono_pattern_dialog.h"

#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "common/message_service.h"
#include "platform/qpainter_surface.h"
#include "platform/qt_text.h"

namespace qv {

namespace {

constexpr int kOpeningDelayMs = 200;
constexpr int kPreviewWidth = 320;  // pixels the box asks for; it takes whatever room is left
constexpr int kPreviewHeight = 140;

QPushButton* button(const QString& text, const char* name, QWidget* parent) {
    auto* pushButton = new QPushButton(text, parent);
    pushButton->setObjectName(QString::fromLatin1(name));
    pushButton->setAutoDefault(false);  // Enter moves the focus instead of pressing it
    return pushButton;
}

// Focus entering input k makes it the field that is previewed, as typing into it does.
class FocusWatcher : public QObject {
  public:
    FocusWatcher(std::function<void()> entered, QObject* parent)
        : QObject(parent), entered_(std::move(entered)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) entered_();
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> entered_;
};

std::optional<std::vector<std::string>> runFieldEditDialog(
    QWidget* parent, const std::vector<MonoPatternEditField>& fields) {
    FieldEditDialog dialog(fields, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.values();
}

}  // namespace

// --- Preview box ----------------------------------------------------------------------------

MonoPatternPreviewBox::MonoPatternPreviewBox(const MonoPatternForm& form, BarcodeTextFont textFont,
                                             QWidget* parent)
    : QFrame(parent), form_(form), textFont_(std::move(textFont)) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize MonoPatternPreviewBox::sizeHint() const {
    return {kPreviewWidth, kPreviewHeight};
}

void MonoPatternPreviewBox::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        const QRect inner = contentsRect();
        painter.fillRect(inner, Qt::white);
        painter.setClipRect(inner);
        painter.translate(inner.topLeft());
        QPainterSurface surface(painter);
        // The box in 0.1 mm units with its top-left corner at the origin, y upward.
        const LogicalRect box{0, 0, static_cast<int>(std::floor(inner.width() / surface.scale())),
                              -static_cast<int>(std::floor(inner.height() / surface.scale()))};
        form_.drawPreview(surface, box, textFont_);
    }
    QFrame::paintEvent(event);  // the sunken frame over the white
}

// --- フィールド編集 -------------------------------------------------------------------------

FieldEditDialog::FieldEditDialog(const std::vector<MonoPatternEditField>& fields, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("フィールド編集"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    const size_t count = std::min(fields.size(), static_cast<size_t>(kMonoPatternEditFields));
    for (size_t at = 0; at < count; ++at) {
        const int row = static_cast<int>(at);
        auto* name = new QLabel(fromSjis(fields[at].name), this);
        name->setObjectName(QStringLiteral("fieldName%1").arg(row + 1));
        auto* edit = new QLineEdit(fromSjis(fields[at].value), this);
        edit->setObjectName(QStringLiteral("fieldValue%1").arg(row + 1));
        edit->setMinimumWidth(240);
        name->setBuddy(edit);
        grid->addWidget(name, row, 0);
        grid->addWidget(edit, row, 1);
        edits_.push_back(edit);
    }
    layout->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* apply = new QPushButton(QStringLiteral("変　更"), this);
    apply->setObjectName(QStringLiteral("applyButton"));
    apply->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(apply, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(apply);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

std::vector<std::string> FieldEditDialog::values() const {
    std::vector<std::string> values;
    values.reserve(edits_.size());
    for (const QLineEdit* edit : edits_) values.push_back(toSjis(edit->text()));
    return values;
}

// --- モノパターンページ作成 -----------------------------------------------------------------

MonoPatternDialog::MonoPatternDialog(const LabelDefinition& definition, const CszContent& csz,
                                     MessageService& messages, BarcodeTextFont textFont,
                                     QWidget* parent)
    : QDialog(parent), form_(definition, csz, messages), messages_(messages) {
    setWindowTitle(QStringLiteral("モノパターンページ作成"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addLayout(buildInputs());

    auto* previewColumn = new QVBoxLayout;
    previewBox_ = new MonoPatternPreviewBox(form_, std::move(textFont), this);
    previewBox_->setObjectName(QStringLiteral("previewBox"));
    previewColumn->addWidget(previewBox_, 1);
    auto* previewButtons = new QHBoxLayout;
    previewButtons->addStretch();
    copyButton_ = button(QStringLiteral("Copy"), "copyButton", this);
    fieldEditButton_ = button(QStringLiteral("ﾌｨｰﾙﾄﾞ変更"), "fieldEditButton", this);
    connect(copyButton_, &QPushButton::clicked, this, &MonoPatternDialog::copyPreview);
    connect(fieldEditButton_, &QPushButton::clicked, this, &MonoPatternDialog::editFields);
    previewButtons->addWidget(copyButton_);
    previewButtons->addWidget(fieldEditButton_);
    previewColumn->addLayout(previewButtons);
    top->addLayout(previewColumn, 1);
    layout->addLayout(top, 1);
    layout->addLayout(buildBottomRow());

    // Record-list mode chooses a whole record: nothing to preview, copy or edit.
    copyButton_->setVisible(!form_.recordListMode());
    fieldEditButton_->setVisible(!form_.recordListMode());
    showPreviewState();

    openingTimer_ = new QTimer(this);
    openingTimer_->setSingleShot(true);
    connect(openingTimer_, &QTimer::timeout, this, &MonoPatternDialog::openingTimeout);
    openingTimer_->start(kOpeningDelayMs);
}

QLayout* MonoPatternDialog::buildInputs() {
    auto* column = new QVBoxLayout;
    recordList_ = new QComboBox(this);
    recordList_->setObjectName(QStringLiteral("recordList"));
    for (const std::string& record : form_.records()) recordList_->addItem(fromSjis(record));
    recordList_->setCurrentIndex(-1);
    recordList_->setVisible(form_.recordListMode());
    connect(recordList_, &QComboBox::currentIndexChanged, this,
            [this](int index) { form_.chooseRecord(index); });
    column->addWidget(recordList_);

    auto* grid = new QGridLayout;
    for (int k = 1; k <= kMonoPatternInputs; ++k) {
        const auto at = static_cast<size_t>(k - 1);
        const bool used = k <= form_.inputCount();
        auto* label = new QLabel(used ? fromSjis(form_.inputs()[at].label) : QString(), this);
        label->setObjectName(QStringLiteral("inputLabel%1").arg(k));
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("input%1").arg(k));
        edit->setMinimumWidth(160);
        label->setBuddy(edit);
        label->setVisible(used);
        edit->setVisible(used);
        connect(edit, &QLineEdit::textEdited, this,
                [this, k](const QString& text) { inputEdited(k, text); });
        edit->installEventFilter(new FocusWatcher(
            [this, k, edit] {
                if (form_.lastEdited() != k) inputEdited(k, edit->text());
            },
            edit));
        grid->addWidget(label, k - 1, 0);
        grid->addWidget(edit, k - 1, 1);
        labels_[at] = label;
        edits_[at] = edit;
    }
    column->addLayout(grid);
    column->addStretch();
    return column;
}

QLayout* MonoPatternDialog::buildBottomRow() {
    auto* row = new QHBoxLayout;
    auto* copiesLabel = new QLabel(QStringLiteral("印刷部数"), this);
    copiesBox_ = new QSpinBox(this);
    copiesBox_->setObjectName(QStringLiteral("copies"));
    copiesBox_->setRange(kMinCopies, kMaxCopies);
    copiesBox_->setValue(form_.copies());
    copiesLabel->setBuddy(copiesBox_);
    connect(copiesBox_, &QSpinBox::valueChanged, this,
            [this](int copies) { form_.setCopies(copies); });

    printButton_ = button(QStringLiteral("印刷開始"), "printButton", this);
    connect(printButton_, &QPushButton::clicked, this, [this] { startPrinting(false); });
    previewButton_ = new QToolButton(this);
    previewButton_->setObjectName(QStringLiteral("previewButton"));
    previewButton_->setIcon(
        QIcon::fromTheme(QStringLiteral("document-print-preview"),
                         style()->standardIcon(QStyle::SP_FileDialogContentsView)));
    previewButton_->setToolTip(QStringLiteral("印刷プレビュー"));
    connect(previewButton_, &QToolButton::clicked, this, [this] { startPrinting(true); });

    row->addWidget(copiesLabel);
    row->addWidget(copiesBox_);
    row->addStretch();
    row->addWidget(printButton_);
    row->addWidget(previewButton_);
    return row;
}

void MonoPatternDialog::inputEdited(int k, const QString& text) {
    form_.setInput(k, toSjis(text));
    showPreviewState();
}

void MonoPatternDialog::showPreviewState() {
    copyButton_->setEnabled(form_.copyEnabled());
    previewBox_->update();
}

void MonoPatternDialog::openingTimeout() {
    openingTimer_->stop();
    if (form_.openingPreview()) showPreviewState();
}

void MonoPatternDialog::copyPreview() {
    const QImage image = previewBox_->grab().toImage();
    if (image.isNull()) {
        messages_.exclamation("コピー出来ませんでした。", "クリップボードエラー");
        return;
    }
    QGuiApplication::clipboard()->setImage(image);
}

void MonoPatternDialog::editFields() {
    const FieldEditor& editor = fieldEditor_ ? fieldEditor_ : FieldEditor(runFieldEditDialog);
    if (const std::optional<std::vector<std::string>> values = editor(this, form_.editFields())) {
        form_.applyEdit(*values);
    }
}

void MonoPatternDialog::startPrinting(bool preview) {
    const std::optional<MonoPatternPrint> print = form_.startPrinting();
    if (print) emit printRequested(*print, preview);
    if (edits_[0]->isVisible()) edits_[0]->setFocus();
}

QWidget* MonoPatternDialog::focusTarget(MonoPatternFocus focus) const {
    switch (focus) {
        case MonoPatternFocus::Input1:
            return edits_[0];
        case MonoPatternFocus::Input2:
            return edits_[1];
        case MonoPatternFocus::Input3:
            return edits_[2];
        case MonoPatternFocus::Copies:
        case MonoPatternFocus::Other:
            break;
    }
    return copiesBox_;
}

void MonoPatternDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QDialog::keyPressEvent(event);
        return;
    }
    QWidget* focused = focusWidget();
    MonoPatternFocus from = MonoPatternFocus::Other;
    const std::array<MonoPatternFocus, kMonoPatternInputs> inputs{
        MonoPatternFocus::Input1, MonoPatternFocus::Input2, MonoPatternFocus::Input3};
    for (size_t at = 0; at < inputs.size(); ++at) {
        if (focused == edits_[at]) from = inputs[at];
    }
    if (focused == copiesBox_) from = MonoPatternFocus::Copies;
    QWidget* target = focusTarget(focusAfterEnter(from, form_.inputCount()));
    target->setFocus(Qt::TabFocusReason);
    event->accept();
}

void MonoPatternDialog::reject() {
    openingTimer_->stop();
    QDialog::reject();
    emit closed();
}

}  // namespace qv
