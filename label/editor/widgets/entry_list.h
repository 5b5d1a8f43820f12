// The list of the modeless placement dialogs. A QListWidget that takes the focus without a
// current row makes its first row current, and the dialogs would act on an entry the user never
// chose; this one leaves the choice to the user.
#pragma once

#include <QListWidget>

namespace qv {

class EntryList : public QListWidget {
  public:
    using QListWidget::QListWidget;

  protected:
    void focusInEvent(QFocusEvent* event) override;
};

}  // namespace qv
