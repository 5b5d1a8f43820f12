// CQuorviView: the sheet view of the main window. It draws the sheet overview at the form zoom,
// shows the data icon, and opens the sheet dialogs from the mouse.
#pragma once

#include <QWidget>
#include <utility>

#include "label/editor/forms/label_command.h"
#include "label/print/sheet_overview.h"

namespace qv {

class CQuorviDoc;
class MacroClock;
struct QuorviSettings;

class CQuorviView : public QWidget {
    Q_OBJECT

  public:
    CQuorviView(CQuorviDoc& document, QuorviSettings& settings, MacroClock& clock,
                QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // Takes the size of the sheet at the form zoom (the view sits in a scroll area).
    void resizeToSheet();
    // The context menu's mono-pattern entry: only with a CSZ file while its dialog is closed.
    void setMonoPatternAvailable(bool available) { monoPatternAvailable_ = available; }

  signals:
    // The commands the view's mouse and context menu ask for; the main window carries them out.
    void command(LabelCommand id);
    void dataUseChanged();
    void focusGained();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    QPointF toLogical(const QPointF& pixel) const;
    static bool contains(const LogicalRect& rect, const QPointF& point);
    QRect dataIconRect() const { return QRect(10, 50, 32, 32); }
    void drawDataIcon(QPainter& painter) const;
    void showContextMenu(const QPoint& at);

    CQuorviDoc& document_;
    QuorviSettings& settings_;
    MacroClock& clock_;
    OverviewHitAreas areas_;
    std::pair<int, int> drawnFor_{-1, 0};  // paper index and form zoom of areas_.drawn
    bool monoPatternAvailable_ = false;
};

}  // namespace qv
