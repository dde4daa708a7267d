#pragma once

#include <QString>

// Hands a web address to the desktop's "open" action, which shows it in the default browser.
// Returns at once; success and failure are treated alike, and nothing is reported.
void OpenWebAddress(const QString &address);

// The maker's web site: shown in the information box and opened by the design-services menu.
QString MakerSiteAddress();

// The plumbers' forum opened by its menu command.
QString ForumAddress();
