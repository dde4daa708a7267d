// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints the calculation sheet as a user does, on whatever CUPS printer is the default: starts
// the program's windows, presses «Рассчитать!», saves the sheet through «Сохранить расчёт в
// PDF…», then chooses «Печать расчёта…», presses the print button of Qt's print preview and
// accepts Qt's print dialog. scripts/print-tests.sh compares what the printer made with the
// saved file. Exits with 1, saying why, when any step fails.
// Usage: varnelo_print_probe SAVED.pdf PRINTER
#include "app/application.h"
#include "app/programwindows.h"
#include "ui/calculatorpage.h"
#include "ui/controls.h"
#include "ui/sheetactions.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int kPollMs = 50;
constexpr int kGiveUpMs = 60000;

void Fail(const QString &why)
{
    std::fprintf(stderr, "print probe: %s\n", qPrintable(why));
}

// The preview's print button, found by Qt's own text for it in whatever language is loaded.
QAction *PrintButton(QPrintPreviewDialog &preview)
{
    const QString text = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction *action : preview.findChildren<QAction *>()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

// Plays the user in the two modal dialogs of printing: the preview's print button, then OK in
// the print dialog once it names the expected printer.
class PrintingUser : public QObject {
public:
    explicit PrintingUser(QString printer) : printer_(std::move(printer))
    {
        connect(&poll_, &QTimer::timeout, this, &PrintingUser::Look);
        poll_.start(kPollMs);
    }

    bool Printed() const { return accepted_ && failure_.isEmpty(); }
    QString Failure() const { return failure_; }

private:
    void Look()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<QPrintDialog *>(modal))
            AcceptPrintDialog(*dialog);
        else if (auto *preview = qobject_cast<QPrintPreviewDialog *>(modal); preview && !pressed_)
            PressPrint(*preview);
        else if ((waited_ += kPollMs) > kGiveUpMs)
            Stop(QStringLiteral("no print dialog came within a minute"), modal);
    }

    void PressPrint(QPrintPreviewDialog &preview)
    {
        QAction *print = PrintButton(preview);
        if (!print)
            return Stop(QStringLiteral("the print preview has no print button"), &preview);
        pressed_ = true;
        // The button opens the print dialog in a loop of its own: pressed after this poll.
        QTimer::singleShot(0, print, &QAction::trigger);
    }

    void AcceptPrintDialog(QPrintDialog &dialog)
    {
        const QString chosen = dialog.printer()->printerName();
        if (chosen != printer_)
            return Stop(QStringLiteral("the print dialog offers «%1», not «%2»").arg(chosen, printer_),
                        &dialog);
        accepted_ = true;
        poll_.stop();
        dialog.accept();
    }

    void Stop(const QString &why, QWidget *modal)
    {
        failure_ = why;
        poll_.stop();
        if (modal)
            modal->close();
    }

    QString printer_;
    QTimer poll_;
    int waited_ = 0;
    bool pressed_ = false;
    bool accepted_ = false;
    QString failure_;
};

int Probe(int argc, char **argv)
{
    Application application(argc, argv);
    const QString saved = QString::fromLocal8Bit(argv[1]);
    ProgramWindows windows;
    windows.Show();
    if (!QTest::qWaitForWindowExposed(&windows.Form1))
        return Fail(QStringLiteral("the main window did not show")), 1;
    CalculatorPage &page = *windows.Form1.TabSheet1;
    page.BitBtn1->click();
    if (!page.HasSheet())
        return Fail(QStringLiteral("«Рассчитать!» gave no sheet")), 1;

    SheetActions &commands = page.SheetCommands();
    commands.SetFileChooser([&saved](QWidget *, const QString &) { return saved; });
    QString warning;
    commands.SetWarning([&warning](QWidget *, const QString &text) { warning = text; });
    commands.Save();
    if (!warning.isEmpty() || !QFileInfo(saved).isFile())
        return Fail(QStringLiteral("the sheet was not saved: %1").arg(warning)), 1;

    PrintingUser user(QString::fromLocal8Bit(argv[2]));
    commands.Print();
    if (!user.Printed())
        return Fail(user.Failure().isEmpty() ? QStringLiteral("the print dialog was not accepted")
                                             : user.Failure()),
               1;
    std::printf("printed on %s\n", argv[2]);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SAVED.pdf PRINTER\n", argv[0]);
        return 2;
    }
    return Probe(argc, argv);
}
