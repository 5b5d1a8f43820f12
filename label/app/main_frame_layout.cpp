// The layout editor's side of the main window: its menu, the placement dialogs that stand
// beside it, and the printed definition listing.
#include <QActionGroup>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStatusBar>

#include "label/app/main_frame.h"
#include "label/app/print_runner.h"
#include "label/app/quorvi_view.h"
#include "label/editor/forms/listing_pages.h"
#include "label/editor/widgets/barcode_kind_dialog.h"
#include "label/editor/widgets/barcode_settings_dialog.h"
#include "label/editor/widgets/bitmap_dialog.h"
#include "label/editor/widgets/dialog_placement.h"
#include "label/editor/widgets/field_placement_dialog.h"
#include "label/editor/widgets/layout_view.h"
#include "label/editor/widgets/literal_dialog.h"
#include "label/editor/widgets/ruled_line_dialog.h"
#include "label/print/sheet_geometry.h"
#include "platform/font_picker_dialog.h"
#include "platform/qpainter_surface.h"
#include "platform/qt_text.h"

namespace qv {

void CMainFrame::buildLayoutMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("レイアウト(&L)"));
    addCommand(menu, "フィールドの配置", LabelCommand::FieldPlacement);
    addCommand(menu, "リテラル文字の配置", LabelCommand::Literal);
    addCommand(menu, "ラベル内罫線の配置", LabelCommand::RuledLine);
    addCommand(menu, "ビットマップ設定(&B)", LabelCommand::Bitmap);
    settingModeAction_ = addCommand(menu, "設定モード", LabelCommand::SettingMode);
    addCommand(menu, "バーコードの標準設定", LabelCommand::BarcodeSettings);
    menu->addSeparator();
    addCommand(menu, "定義の印刷(&P)...", LabelCommand::PrintListing);
    addCommand(menu, "定義の印刷プレビュー", LabelCommand::PreviewListing);
    QMenu* zoom = menu->addMenu(QStringLiteral("表示の倍率"));
    auto* group = new QActionGroup(this);
    for (int percent : {50, 70, 100, 150, 200}) {
        QAction* action = zoom->addAction(QStringLiteral("%1%").arg(percent));
        action->setCheckable(true);
        action->setChecked(percent == 100);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, percent] { layout_->setZoom(percent); });
    }
}

void CMainFrame::connectLayoutView() {
    connect(view_, &CQuorviView::focusGained, this, &CMainFrame::leaveLiteralAndLineModes);
    connect(layout_, &CBarLayoutView::statusMessage, this,
            [this](const QString& text) { statusBar()->showMessage(text); });
    connect(layout_, &CBarLayoutView::command, this, &CMainFrame::carryOut);
    // A right click on a literal: literal mode with that literal chosen, the field dialog hidden.
    connect(layout_, &CBarLayoutView::literalHit, this, [this](int slot) {
        if (fieldDialog_ != nullptr) fieldDialog_->hide();
        if (layout_->mode() != CBarLayoutView::Mode::Literal) toggleLiteralMode();
        literalDialog_->selectSlot(slot);
        layout_->selectLiteral(slot);
    });
    // A right click elsewhere on the label: the field dialog, with the field hit chosen.
    connect(layout_, &CBarLayoutView::fieldHit, this, [this](int index) {
        if (layout_->mode() == CBarLayoutView::Mode::Literal) toggleLiteralMode();
        openFieldPlacement();
        if (index >= 0) fieldDialog_->selectField(index);
    });
    connect(layout_, &CBarLayoutView::bitmapHit, this, [this](int slot) {
        openBitmapDialog();
        bitmapDialog_->showArea(slot);
    });
    connect(layout_, &CBarLayoutView::rubberRectangle, this, [this](const LogicalRect& r) {
        if (bitmapDialog_ != nullptr && bitmapDialog_->isVisible()) {
            bitmapDialog_->takeRubberRectangle(r);
        }
    });
    // Every drag reaches the dialog that holds the item, so a later confirm keeps the position.
    connect(layout_, &CBarLayoutView::fieldMoved, this, [this](int index) {
        if (fieldDialog_ != nullptr) fieldDialog_->fieldMoved(index);
        refresh(true);
    });
    connect(layout_, &CBarLayoutView::literalMoved, this, [this](int slot) {
        if (literalDialog_ != nullptr) literalDialog_->literalMoved(slot);
        refresh(true);
    });
    connect(layout_, &CBarLayoutView::lineDrawn, this, [this] { refresh(true); });
    connect(layout_, &CBarLayoutView::settingModeEnded, this, &CMainFrame::toggleSettingMode);
    connect(layout_, &CBarLayoutView::modeButtonClicked, this, [this](CBarLayoutView::Mode mode) {
        mode == CBarLayoutView::Mode::Literal ? toggleLiteralMode() : toggleLineMode();
    });
}

// The view draws and drags the field the dialog holds, as the dialog holds it.
void CMainFrame::followFieldDialog() {
    const FieldPlacementForm& form = fieldDialog_->form();
    layout_->selectField(form.selectedField());
    layout_->setMeasuring(form.selectedField() >= 0 && form.isBarcode());
    if (form.hasSelection()) {
        layout_->showPendingField(form.selectedField(), form.pendingPlacement());
    } else {
        layout_->clearPendingField();
    }
}

// The modeless field placement dialog, beside the layout editor, with the program's own
// barcode kind dialog and font picker.
void CMainFrame::openFieldPlacement() {
    if (fieldDialog_ == nullptr) {
        fieldDialog_ = new FieldPlacementDialog(document_.definition(), messages_, this);
        fieldDialog_->setBarcodeKindHook([](QWidget* parent, LabelDefinition& d, int field,
                                            int& layoutFlags) {
            const int before = d.fields[static_cast<size_t>(field)].attributes;
            BarcodeKindDialog dialog(d, field, layoutFlags, parent);
            dialog.exec();
            layoutFlags = dialog.layoutFlags();
            return d.fields[static_cast<size_t>(field)].attributes != before || layoutFlags != 0;
        });
        fieldDialog_->setFontPicker(
            [this](QWidget* parent, const QString& caption, const FontChoice& current) {
                return pickFont(parent, caption, current, settings_.trueTypeOnly);
            });
        connect(layout_, &CBarLayoutView::positionPicked, fieldDialog_,
                &FieldPlacementDialog::positionPicked);
        // The field in the dialog's hand may be dragged; a barcode field's size is measured.
        connect(fieldDialog_, &FieldPlacementDialog::entryChanged, this, [this] {
            followFieldDialog();
            layout_->closeRubberRectangle();
        });
        connect(fieldDialog_, &FieldPlacementDialog::entryStored, this, [this] {
            followFieldDialog();
            layout_->closeRubberRectangle();
            layout_->setShowFields(true);
            refresh(true);
        });
        connect(fieldDialog_, &FieldPlacementDialog::closed, this, [this] {
            layout_->selectField(-1);
            layout_->setMeasuring(false);
            layout_->clearPendingField();
            showReady();
            refresh(false);
        });
        showBesideEditor(*fieldDialog_);
    }
    fieldDialog_->show();
    fieldDialog_->raise();
}

// A dialog's first show: with its real size it goes beside the layout editor.
void CMainFrame::showBesideEditor(QWidget& dialog) {
    dialog.show();
    placeBesideView(dialog, layout_->frameGeometry().translated(mapToGlobal(QPoint())));
}

// The modeless bitmap dialog: a stored or deleted area reloads the bitmaps and redraws; closing
// it keeps its preview mode in the settings file.
void CMainFrame::openBitmapDialog() {
    if (bitmapDialog_ == nullptr) {
        const bool fit = readBitmapFit(settingsFile_);
        bitmapDialog_ = new BitmapDialog(document_.definition(), document_.definitionFolder(),
                                         messages_, fit, this);
        connect(bitmapDialog_, &BitmapDialog::areasChanged, this, [this] {
            layout_->closeRubberRectangle();
            document_.loadBitmaps();
            refresh(true);
        });
        connect(bitmapDialog_, &BitmapDialog::statusMessage, this,
                [this](const QString& text) { statusBar()->showMessage(text); });
        connect(bitmapDialog_, &BitmapDialog::closed, this, [this] {
            writeBitmapFit(settingsFile_, bitmapDialog_->fitToFrame());
            bitmapDialog_->deleteLater();
            bitmapDialog_ = nullptr;
            showReady();
            refresh(false);
        });
        showBesideEditor(*bitmapDialog_);
    }
    bitmapDialog_->show();
    bitmapDialog_->raise();
}

void CMainFrame::editBarcodeSettings() {
    BarcodeSettingsDialog dialog(document_.definition(), settingsFile_, messages_, this);
    dialog.exec();
    // The switches take effect at once, whether or not the dialog is confirmed.
    settings_.print.barTextFace = dialog.form().fontFace();
    settings_.print.barTextBold = dialog.form().fontBold();
    refresh(true);
}

// Ending setting mode also ends the literal and line modes, and their dialogs go.
void CMainFrame::toggleSettingMode() {
    const bool on = !layout_->settingMode();
    layout_->setSettingMode(on);
    settingModeAction_->setText(on ? QStringLiteral("設定の終了") : QStringLiteral("設定モード"));
    if (!on) leaveLiteralAndLineModes();
}

void CMainFrame::leaveLiteralAndLineModes() {
    if (literalDialog_ != nullptr) literalDialog_->hide();
    if (lineDialog_ != nullptr) lineDialog_->hide();
    layout_->setMode(CBarLayoutView::Mode::Normal);
}

// Literal mode: the literal dialog beside the editor, positions clicked on the label go to it.
void CMainFrame::toggleLiteralMode() {
    if (layout_->mode() == CBarLayoutView::Mode::Literal) {
        if (literalDialog_ != nullptr) literalDialog_->hide();
        layout_->setMode(CBarLayoutView::Mode::Normal);
        return;
    }
    if (lineDialog_ != nullptr) lineDialog_->hide();
    if (literalDialog_ == nullptr) {
        literalDialog_ = new LiteralDialog(document_.definition(), messages_, clock_,
                                           settings_.print.date, this);
        literalDialog_->setFontPicker([this](QWidget* parent, const FontChoice& current) {
            return pickFont(parent, QStringLiteral("フォント選択"), current,
                            settings_.trueTypeOnly);
        });
        connect(layout_, &CBarLayoutView::literalPositionPicked, literalDialog_,
                &LiteralDialog::positionPicked);
        connect(literalDialog_, &LiteralDialog::listChanged, this, [this] {
            layout_->closeRubberRectangle();
            refresh(true);
        });
        connect(literalDialog_, &LiteralDialog::literalSelected, layout_,
                &CBarLayoutView::selectLiteral);
        connect(literalDialog_, &LiteralDialog::closed, this, [this](bool changed) {
            layout_->setMode(CBarLayoutView::Mode::Normal);
            showReady();
            refresh(changed);
        });
        showBesideEditor(*literalDialog_);
    }
    layout_->setMode(CBarLayoutView::Mode::Literal);
    literalDialog_->show();
    literalDialog_->raise();
}

// Line mode: ruled lines drawn with the mouse go to the ruled-line dialog.
void CMainFrame::toggleLineMode() {
    if (layout_->mode() == CBarLayoutView::Mode::Line) {
        if (lineDialog_ != nullptr) lineDialog_->hide();
        layout_->setMode(CBarLayoutView::Mode::Normal);
        return;
    }
    if (literalDialog_ != nullptr) literalDialog_->hide();
    if (lineDialog_ == nullptr) {
        lineDialog_ = new RuledLineDialog(document_.definition(), messages_, this);
        connect(layout_, &CBarLayoutView::lineDrawn, lineDialog_, &RuledLineDialog::lineDrawn);
        connect(lineDialog_, &RuledLineDialog::listChanged, this, [this] {
            layout_->closeRubberRectangle();
            refresh(true);
        });
        connect(lineDialog_, &RuledLineDialog::closed, this, [this](bool changed) {
            layout_->setMode(CBarLayoutView::Mode::Normal);
            showReady();
            refresh(changed);
        });
        showBesideEditor(*lineDialog_);
    }
    layout_->setMode(CBarLayoutView::Mode::Line);
    lineDialog_->show();
    lineDialog_->raise();
}

// The definition listing, printed or previewed, on the paper of the definition.
void CMainFrame::printListing(bool preview) {
    ListingPages pages(buildDefinitionListing(document_.definition()), document_.definition());
    const MacroTimestamp today = timestampNow();
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer,
                 printerSetup(document_.papers(), document_.definition().sheet.paperIndex));
    const auto paint = [&pages, &today](QPrinter* target) {
        QPainter painter(target);
        int count = 0;
        {
            QPainterSurface measure(painter);
            count = pages.paginate(
                measure, static_cast<int>(target->width() * 25.4 / target->logicalDpiX()));
        }
        for (int page = 1; page <= count; ++page) {
            if (page > 1) target->newPage();
            QPainterSurface surface(painter);
            pages.drawPage(surface, page, today);
        }
    };
    if (preview) {
        QPrintPreviewDialog dialog(&printer, this);
        connect(&dialog, &QPrintPreviewDialog::paintRequested, this, paint);
        dialog.exec();
        return;
    }
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) paint(&printer);
}

}  // namespace qv
