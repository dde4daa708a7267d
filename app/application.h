// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/errorreport.h"

#include <QApplication>

// The program's application object. It owns the error report, named after the running
// executable, and reads the decimal mark; it follows later changes of the regional settings,
// and it is the last guard that keeps an escaping error from ending the program.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

protected:
    bool event(QEvent *event) override;

private:
    void InstallQtTranslations();

    ErrorReporter errorReporter_;
};
