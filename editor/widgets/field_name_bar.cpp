#include "editor/widgets/field_name_bar.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace qv {

FieldNameBar::FieldNameBar(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

void FieldNameBar::setNames(const QStringList& names, const GridGeometry& geometry) {
    names_ = QStringList{QStringLiteral("SEQ")} + names;
    lefts_.assign(1, 0);
    lefts_.push_back(geometry.numberWidth());
    for (size_t k = 0; k < geometry.columnCount(); ++k) {
        lefts_.push_back(geometry.columnLeft(k) + geometry.columnWidth(k));
    }
    if (selected_ >= static_cast<int>(names_.size())) selected_ = -1;
    update();
}

void FieldNameBar::setBarFont(const QFont& font) {
    setFont(font);
    update();
}

int FieldNameBar::barHeight() const {
    return fontMetrics().height() + 6;
}

void FieldNameBar::setOffset(int x) {
    offset_ = x;
    update();
}

void FieldNameBar::setSelected(int index) {
    selected_ = index;
    update();
}

QRect FieldNameBar::cellRect(int index) const {
    if (index < 0 || index + 1 >= static_cast<int>(lefts_.size())) return {};
    const auto at = static_cast<size_t>(index);
    return QRect(lefts_[at] - offset_, 0, lefts_[at + 1] - lefts_[at], height());
}

int FieldNameBar::indexAt(int x) const {
    const int content = x + offset_;
    if (content < 0 || content >= lefts_.back()) return -1;
    const auto after = std::upper_bound(lefts_.begin(), lefts_.end(), content);
    return static_cast<int>(after - lefts_.begin()) - 1;
}

void FieldNameBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& colours = palette();
    for (int index = 0; index < static_cast<int>(names_.size()); ++index) {
        const QRect cell = cellRect(index);
        if (cell.right() < 0) continue;
        if (cell.left() > width()) break;
        const bool chosen = index == selected_;
        painter.fillRect(cell, colours.color(chosen ? QPalette::Highlight : QPalette::Button));
        painter.setPen(colours.color(QPalette::Mid));
        painter.drawLine(cell.topRight(), cell.bottomRight());
        painter.setPen(colours.color(chosen ? QPalette::HighlightedText : QPalette::ButtonText));
        const Qt::Alignment align = index == 0 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter;
        painter.drawText(cell.adjusted(2, 0, -2, 0), int(align | Qt::TextSingleLine),
                         names_[index]);
    }
    painter.setPen(colours.color(QPalette::Mid));
    painter.drawLine(0, height() - 1, width(), height() - 1);
}

// The record-number cell takes no selection.
void FieldNameBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        setSelected(-1);
        emit selectionCleared();
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    const int index = indexAt(event->position().toPoint().x());
    if (index >= 1) emit nameClicked(index);
}

}  // namespace qv
