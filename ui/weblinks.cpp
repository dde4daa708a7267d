#include "ui/weblinks.h"

#include <QDesktopServices>
#include <QUrl>

void OpenWebAddress(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address));
}

QString MakerSiteAddress() { return QStringLiteral("http://www.varnelo.example/"); }

QString ForumAddress() { return QStringLiteral("http://forum.varnelo.example/"); }
