// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QAction;
class QLineEdit;
class QMenu;
class QWidget;
struct CalculationSheet;

// The three commands that hand a calculation sheet over: «Копировать расчёт», «Сохранить
// расчёт в PDF…» and «Печать расчёта…» (also Ctrl+P while their page is shown). They are
// enabled only while the page has a sheet to give. Each runs in the error report's guard.
class SheetActions : public QObject {
    Q_OBJECT

public:
    // Asks where to save, proposing a full path; empty when the user cancels.
    using FileChooser = std::function<QString(QWidget *parent, const QString &proposed)>;
    // Tells the user why the sheet was not saved.
    using Warning = std::function<void(QWidget *parent, const QString &text)>;
    // Shows the print preview of a sheet and returns when it is closed.
    using Preview = std::function<void(QWidget *parent, const CalculationSheet &sheet)>;
    using SheetSource = std::function<CalculationSheet()>;

    // The actions belong to `page`, which also holds the Ctrl+P shortcut; `sheet` is asked
    // only while the actions are enabled.
    SheetActions(QWidget *page, SheetSource sheet);

    QList<QAction *> Actions() const { return {copy_, save_, print_}; }
    void SetEnabled(bool enabled);

    // The dialogs, replaceable so that no test waits for a person.
    void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
    void SetWarning(Warning warning) { warn_ = std::move(warning); }
    void SetPreview(Preview preview) { preview_ = std::move(preview); }

    void Copy();
    void Save();
    void Print();

    // The page's own menu, and a line edit's standard menu with the three below a separator.
    void ShowPageMenu(const QPoint &globalPos);
    void ShowEditMenu(QLineEdit *edit, const QPoint &globalPos);

    static void OpenPreview(QWidget *parent, const CalculationSheet &sheet);
    static QString ChooseFile(QWidget *parent, const QString &proposed);
    static void Warn(QWidget *parent, const QString &text);

private:
    QWidget *page_;
    SheetSource sheet_;
    QAction *copy_;
    QAction *save_;
    QAction *print_;
    FileChooser chooseFile_ = &SheetActions::ChooseFile;
    Warning warn_ = &SheetActions::Warn;
    Preview preview_ = &SheetActions::OpenPreview;
};
