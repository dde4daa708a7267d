// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/sheetactions.h"

#include "ui/calculationsheet.h"
#include "ui/errorreport.h"
#include "ui/sheetprint.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>

#include <memory>

namespace {

QString Text(const char *utf8) { return QString::fromUtf8(utf8); }

QAction *NewAction(QWidget *page, const char *text, const char *name)
{
    auto *action = new QAction(Text(text), page);
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(false);
    return action;
}

} // namespace

SheetActions::SheetActions(QWidget *page, SheetSource sheet)
    : QObject(page), page_(page), sheet_(std::move(sheet)),
      copy_(NewAction(page, "Копировать расчёт", "CopySheet")),
      save_(NewAction(page, "Сохранить расчёт в PDF…", "SaveSheet")),
      print_(NewAction(page, "Печать расчёта…", "PrintSheet"))
{
    // Ctrl+P prints only while the page is shown: a window shortcut of a hidden widget is off.
    print_->setShortcut(QKeySequence::Print);
    print_->setShortcutContext(Qt::WindowShortcut);
    page->addAction(print_);
    connect(copy_, &QAction::triggered, this, Guarded([this] { Copy(); }));
    connect(save_, &QAction::triggered, this, Guarded([this] { Save(); }));
    connect(print_, &QAction::triggered, this, Guarded([this] { Print(); }));
}

void SheetActions::SetEnabled(bool enabled)
{
    for (QAction *action : Actions())
        action->setEnabled(enabled);
}

void SheetActions::Copy()
{
    QGuiApplication::clipboard()->setMimeData(SheetMimeData(sheet_()));
}

void SheetActions::Save()
{
    const CalculationSheet sheet = sheet_();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = chooseFile_(page_->window(), QDir(documents).filePath(ProposedSheetFileName(sheet)));
    if (path.isEmpty())
        return;
    const QString failure = SaveSheetPdf(sheet, path);
    if (!failure.isEmpty())
        warn_(page_->window(), failure);
}

void SheetActions::Print() { preview_(page_->window(), sheet_()); }

void SheetActions::ShowPageMenu(const QPoint &globalPos)
{
    QMenu menu(page_);
    menu.setObjectName(QStringLiteral("SheetMenu"));
    menu.addActions(Actions());
    menu.exec(globalPos);
}

void SheetActions::ShowEditMenu(QLineEdit *edit, const QPoint &globalPos)
{
    const std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    menu->setObjectName(QStringLiteral("SheetMenu"));
    menu->addSeparator();
    menu->addActions(Actions());
    menu->exec(globalPos);
}

void SheetActions::OpenPreview(QWidget *parent, const CalculationSheet &sheet)
{
    QPrinter printer(QPrinter::HighResolution);
    SetSheetPageLayout(printer);
    printer.setDocName(ProposedSheetFileName(sheet));
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("SheetPreview"));
    dialog.setWindowTitle(Text("Печать расчёта"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
            [&sheet](QPrinter *target) { RunGuarded([&] { PrintSheet(sheet, *target); }); });
    dialog.exec();
}

QString SheetActions::ChooseFile(QWidget *parent, const QString &proposed)
{
    return QFileDialog::getSaveFileName(parent, Text("Сохранить расчёт в PDF"), proposed,
                                        Text("Документ PDF (*.pdf)"));
}

void SheetActions::Warn(QWidget *parent, const QString &text)
{
    QMessageBox::warning(parent, Text("Расчёт не сохранён"), text);
}
