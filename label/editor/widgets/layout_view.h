// CBarLayoutView: the layout editor. One label enlarged with rulers and everything placed on it;
// the mouse picks positions, drags fields and literals, draws ruled lines and marks rectangles
// for the placement dialogs, which stand beside it and talk to it through signals.
#pragma once

#include <QWidget>

#include <optional>

#include "label/definition/quorvi_doc.h"
#include "label/editor/forms/label_command.h"
#include "label/editor/forms/layout_drawing.h"
#include "label/editor/forms/layout_mouse.h"

class QToolButton;

namespace qv {

class CBarLayoutView : public QWidget {
    Q_OBJECT

  public:
    using Mode = LayoutMode;

    CBarLayoutView(CQuorviDoc& document, LayoutView settings, QWidget* parent = nullptr);

    void setZoom(int percent);
    int zoom() const { return settings_.zoomPercent; }
    void setMode(Mode mode);
    Mode mode() const { return mouse_.mode(); }
    void setSettingMode(bool on);
    bool settingMode() const { return settingMode_; }
    void setShowFields(bool show);
    // The field or literal the dialogs have selected; the mouse may then drag it.
    void selectField(int index) { mouse_.selectField(index); }
    void selectLiteral(int slot) { mouse_.selectLiteral(slot); }
    // While the field dialog holds a barcode field, a drag measures its size.
    void setMeasuring(bool on) { mouse_.setMeasuring(on); }
    // The field being placed is drawn as the dialog holds it, before it is stored.
    void showPendingField(int index, const FieldPlacement& pending);
    void clearPendingField();
    // An item stored, moved or deleted by a dialog: the rubber rectangle goes.
    void closeRubberRectangle();
    bool rubberRectangleShown() const { return mouse_.inverted().has_value(); }
    void refreshView() { update(); }
    // The context menu's mono-pattern entry: only with a CSZ file while its dialog is closed.
    void setMonoPatternAvailable(bool available) { monoPatternAvailable_ = available; }

  signals:
    void statusMessage(const QString& text);
    void positionPicked(int xMm, int yMm, int widthMm, int heightMm);
    void literalPositionPicked(int xMm, int yMm);
    void fieldMoved(int index);
    void literalMoved(int slot);
    void lineDrawn(int slot);
    void rubberRectangle(const LogicalRect& tenthsOfMm);
    void fieldHit(int index);
    void literalHit(int slot);
    void bitmapHit(int slot);
    void command(LabelCommand id);
    void modeButtonClicked(Mode mode);
    void settingModeEnded();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    LogicalPoint labelPoint(const QPointF& pixel) const;  // label units, y upward
    double unitsPerPixel() const;
    void paintInverted(QPainter& painter) const;
    void report(const LayoutMouseResult& result);
    void rightUp(LogicalPoint at);
    void showContextMenu(const QPoint& globalAt);
    void placeModeButtons();

    CQuorviDoc& document_;
    LayoutView settings_;
    LayoutMouse mouse_;
    std::optional<std::pair<int, FieldPlacement>> pending_;
    bool settingMode_ = false;
    bool monoPatternAvailable_ = false;
    QToolButton* literalButton_;
    QToolButton* lineButton_;
    QToolButton* endButton_;
};

}  // namespace qv
