// Controls that the data editor's maintenance dialogs build alike: named push buttons that never
// take Enter, and the list of field names that fills the field name edit.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

class QBoxLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace qv {

// A push button named `name` (for tests and style sheets) that Enter does not press.
QPushButton* makeButton(const QString& text, const char* name, QWidget* parent);

// A list of the field names (Shift-JIS) whose click copies the name into `nameEdit`.
QListWidget* makeFieldList(const std::vector<std::string>& names, QLineEdit* nameEdit,
                           QWidget* parent);

// The field chooser of the search and barcode dialogs, added to `layout`: the list of names over
// the name edit (named "fieldName"), which starts with `initial` (Shift-JIS) and hands every
// change to `changed` as Shift-JIS.
QLineEdit* addFieldChooser(QBoxLayout* layout, const std::vector<std::string>& names,
                           const std::string& initial, std::function<void(std::string)> changed,
                           QWidget* parent);

}  // namespace qv
