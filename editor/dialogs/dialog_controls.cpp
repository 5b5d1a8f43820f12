#include "editor/dialogs/dialog_controls.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <utility>

#include "platform/qt_text.h"

namespace qv {

QPushButton* makeButton(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QListWidget* makeFieldList(const std::vector<std::string>& names, QLineEdit* nameEdit,
                           QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QStringLiteral("fieldList"));
    for (const std::string& name : names) list->addItem(fromSjis(name));
    QObject::connect(list, &QListWidget::itemClicked, nameEdit,
                     [nameEdit](QListWidgetItem* item) { nameEdit->setText(item->text()); });
    return list;
}

QLineEdit* addFieldChooser(QBoxLayout* layout, const std::vector<std::string>& names,
                           const std::string& initial, std::function<void(std::string)> changed,
                           QWidget* parent) {
    auto* edit = new QLineEdit(fromSjis(initial), parent);
    edit->setObjectName(QStringLiteral("fieldName"));
    QObject::connect(
        edit, &QLineEdit::textChanged, parent,
        [changed = std::move(changed)](const QString& text) { changed(toSjis(text)); });
    auto* column = new QVBoxLayout;
    column->addWidget(makeFieldList(names, edit, parent));
    column->addWidget(edit);
    layout->addLayout(column);
    return edit;
}

}  // namespace qv
