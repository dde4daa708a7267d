// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/weblinks.h"

#include <QDesktopServices>
#include <QUrl>

void OpenWebAddress(const QString &address)
{
    // Whether a browser took the address is not the program's business: a refusal is the
    // desktop's to show, in its own name.
    QDesktopServices::openUrl(QUrl(address));
}
