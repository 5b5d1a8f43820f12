#include "editor/dialogs/about_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>
#include <QtGlobal>

namespace qv {

namespace {

QLabel* line(QWidget* parent, const QString& text, const char* name) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

AboutDialog::AboutDialog(const QString& version, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Rowsmith32のバージョン情報"));
    auto* grid = new QGridLayout(this);
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(32, 32));
    grid->addWidget(icon, 0, 0, 5, 1, Qt::AlignTop);

    QLabel* name = line(this, QStringLiteral("Rowsmith32"), "name");
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    name->setFont(bold);
    grid->addWidget(name, 0, 1);
    grid->addWidget(line(this, QStringLiteral("バージョン ") + version, "version"), 1, 1);
    grid->addWidget(line(this,
                         QStringLiteral("quorvi32 でラベルに印刷するカンマ区切り(Shift-JIS)"
                                        "データファイルのエディタ"),
                         "description"),
                    2, 1);
    grid->addWidget(line(this, QStringLiteral("Copyright (C) 2026 Quorvi 開発チーム"), "copyright"),
                    3, 1);
    grid->addWidget(
        line(this, QStringLiteral("Qt %1 を使用しています").arg(QString::fromLatin1(qVersion())),
             "qt"),
        4, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &AboutDialog::accept);
    grid->addWidget(buttons, 5, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace qv
