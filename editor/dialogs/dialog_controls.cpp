#include "editor/dialogs/dialog_controls.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

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

}  // namespace qv
