// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/errorreport.h"

#include "calc/fpmode.h"
#include "ui/activation.h"
#include "ui/fpmoderestore.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace {

QString &StoredCaption()
{
    static QString caption;
    return caption;
}

// The window the box belongs to: whichever is in front, so that it is centred over it.
QWidget *ReportOwner()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget *active = QApplication::activeWindow())
        return active;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            return window;
    }
    return nullptr;
}

// A drag or a pressed button must not outlive the error that interrupted it.
void CancelCapture()
{
    if (QWidget *grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    if (QWidget *grabber = QWidget::keyboardGrabber())
        grabber->releaseKeyboard();
}

void ShowReport(const QString &message) noexcept
{
    try {
        CancelCapture();
        RestoreActivation activation;
        RestoreFloatingPointMode mode;
        QMessageBox box(QMessageBox::Critical, ReportCaption(), ReportText(message),
                        QMessageBox::Ok, ReportOwner());
        box.setObjectName(QStringLiteral("ErrorReport"));
        box.setTextFormat(Qt::PlainText);  // a quoted length such as "<b>80" is not markup
        box.setWindowModality(Qt::ApplicationModal);
        box.exec();
    } catch (...) {
        // Nothing is left to report with; the program goes on with the next event.
    }
}

} // namespace

void SetReportCaption(const QString &caption) { StoredCaption() = caption; }

QString ReportCaption() { return StoredCaption(); }

QString ReportText(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

void ReportError(const std::exception &error) noexcept
{
    ShowReport(QString::fromUtf8(error.what()));
}

void ReportUnknownError() noexcept { ShowReport(QStringLiteral("Unknown error")); }

void ReportCurrentError() noexcept
{
    calc::LoadFloatingPointMode();
    try {
        throw;
    } catch (const std::exception &error) {
        ReportError(error);
    } catch (...) {
        ReportUnknownError();
    }
}
