// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/application.h"

#include "app/regionalsettings.h"
#include "calc/apptitle.h"
#include "ui/accessibility.h"
#include "ui/errorreport.h"
#include "ui/fonts.h"

namespace {

QString ReportCaptionOf(const QString &executable)
{
    return QString::fromStdString(calc::ApplicationTitle(executable.toStdString()));
}

} // namespace

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv), errorReporter_(ReportCaptionOf(applicationFilePath()))
{
    setFont(FormFont());
    setDesktopFileName(QStringLiteral(VARNELO_APP_ID));  // matches the window to its menu entry
    FollowRegionalSettings();
    InstallAccessibility();
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    // Every handler runs in its own guard; this one catches what a handler outside them lets
    // escape, so that the program goes on with the next event. Either report learns from the
    // delivery which object the error came from.
    const EventDelivery delivery(receiver, *event);
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ReportCurrentError();
    }
    return false;
}

bool Application::event(QEvent *event)
{
    const bool handled = QApplication::event(event);
    if (event->type() == QEvent::LocaleChange)
        FollowRegionalSettings();
    return handled;
}
