// CBarLayoutView: the layout editor. One label enlarged with rulers and everything placed on it;
// the mouse picks positions, drags fields and literals, draws ruled lines and marks rectangles
// for the placement dialogs, which stand beside it and talk to it through signals.
#pragma once

#include <QWidget>

#include "label/definition/quorvi_doc.h"
#include "label/editor/forms/layout_drawing.h"

class QToolButton;

namespace qv {

class CBarLayoutView : public QWidget {
    Q_OBJECT

  public:
    enum class Mode { Normal, Literal, Line };

    CBarLayoutView(CQuorviDoc& document, LayoutView settings, QWidget* parent = nullptr);

    void setZoom(int percent);
    int zoom() const { return settings_.zoomPercent; }
    void setMode(Mode mode);
    Mode mode() const { return mode_; }
    void setSettingMode(bool on);
    bool settingMode() const { return settingMode_; }
    void setShowFields(bool show);
    // The field or literal the dialogs have selected; the mouse may then drag it.
    void selectField(int index);
    void selectLiteral(int slot);
    // While the field dialog holds a barcode field, a drag measures its size.
    void setMeasuring(bool on) { measuring_ = on; }
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
    void command(const QString& name);
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
    QPoint labelPoint(const QPointF& pixel) const;  // label units, y upward
    int scale() const { return layoutScale(settings_.zoomPercent); }
    void leftDown(const QPoint& at);
    void leftUp(const QPoint& at);
    void rightUp(const QPoint& at);
    void drag(const QPoint& at);
    void showContextMenu(const QPoint& globalAt);
    void placeModeButtons();

    CQuorviDoc& document_;
    LayoutView settings_;
    LayoutHitAreas areas_;
    Mode mode_ = Mode::Normal;
    bool settingMode_ = false;
    bool measuring_ = false;
    bool monoPatternAvailable_ = false;
    int selectedField_ = -1;
    int selectedLiteral_ = -1;
    int draggingField_ = -1;
    int draggingLiteral_ = -1;
    int drawingLine_ = -1;
    QPoint grab_;         // item position minus pointer, in label units
    QPoint rubberStart_;  // label units
    QPoint rubberEnd_;
    bool rubber_ = false;
    LayoutMm picked_;
    QToolButton* literalButton_;
    QToolButton* lineButton_;
    QToolButton* endButton_;
};

}  // namespace qv
