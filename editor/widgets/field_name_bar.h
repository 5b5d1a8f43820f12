// The bar of field names above the grid: "SEQ" over the record numbers, then one cell per field
// as wide as its column. It scrolls across with the grid; a left click on a name selects that
// column, a right click clears the selection.
#pragma once

#include <QFont>
#include <QStringList>
#include <QWidget>

#include "editor/widgets/grid_geometry.h"

namespace qv {

class FieldNameBar : public QWidget {
    Q_OBJECT

  public:
    explicit FieldNameBar(QWidget* parent = nullptr);

    void setNames(const QStringList& names, const GridGeometry& geometry);
    void setBarFont(const QFont& font);
    int barHeight() const;
    void setOffset(int x);
    // Index in the bar: 0 is "SEQ", k is field k - 1; -1 for none.
    void setSelected(int index);
    int selected() const { return selected_; }
    // Cell `index` in the bar's own coordinates.
    QRect cellRect(int index) const;

  signals:
    void nameClicked(int index);
    void selectionCleared();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    int indexAt(int x) const;

    QStringList names_;
    std::vector<int> lefts_{0};  // content x of every cell, then the right edge
    int offset_ = 0;
    int selected_ = -1;
};

}  // namespace qv
