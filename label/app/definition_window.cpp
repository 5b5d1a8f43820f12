#include "label/app/definition_window.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "label/definition/definition_listing.h"
#include "platform/qt_text.h"

namespace qv {

DefinitionWindow::DefinitionWindow(CQuorviDoc& document, QWidget* parent)
    : QMainWindow(parent), document_(document), listing_(new QPlainTextEdit(this)) {
    listing_->setReadOnly(true);
    listing_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Values start in one column, as the printed listing sets them 40 mm right of the labels.
    listing_->setTabStopDistance(listing_->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 18);
    setCentralWidget(listing_);
    QMenu* fileMenu = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    fileMenu->addAction(QStringLiteral("開く(&O)..."), QKeySequence::Open, this,
                        &DefinitionWindow::openDefinition);
    fileMenu->addSeparator();
    fileMenu->addAction(QStringLiteral("アプリケーションの終了(&X)"), QKeySequence::Quit, this,
                        &QWidget::close);
    resize(900, 640);
    refresh();
}

void DefinitionWindow::refresh() {
    const QString name = document_.pathName().empty()
                             ? QStringLiteral("NewFile")
                             : QFileInfo(fromUtf8(document_.pathName())).fileName();
    setWindowTitle(name + QStringLiteral(" - K･L･NQuorvi"));
    listing_->setPlainText(fromUtf8(listingText(buildDefinitionListing(document_.definition()))));
}

void DefinitionWindow::openDefinition() {
    const QString path = QFileDialog::getOpenFileName(this, QString(), QString(),
                                                      QStringLiteral("quorvi32 Files (*.qvd)"));
    if (path.isEmpty()) return;
    if (document_.openDocument(toUtf8(path))) refresh();
}

}  // namespace qv
