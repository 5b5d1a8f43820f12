// The 20 colours of the colour table as two rows of ten swatches; a click selects one.
//
// Every swatch has raised edges; the selected one is drawn sunken. Used for the title colour and
// wherever a colour of the table is chosen.
#pragma once

#include <QRect>
#include <QWidget>

namespace qv {

class ColourPalette : public QWidget {
    Q_OBJECT

  public:
    explicit ColourPalette(QWidget* parent = nullptr);

    // The selected colour index; -1 when none is.
    int selectedIndex() const { return selected_; }
    // An index outside the table selects none. Emits nothing.
    void setSelectedIndex(int index);

    // Where swatch `index` is drawn, in widget coordinates.
    QRect swatchRect(int index) const;
    QSize sizeHint() const override;

  signals:
    // The user clicked the swatch of `index`.
    void colourChosen(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    int selected_ = -1;
};

}  // namespace qv
