#include "AddressForm.h"

#include <QStringList>
#include <QUrl>
#include <algorithm>

namespace {

bool isLabelCharacter(QChar ch)
{
    return ch.isLetterOrNumber() || ch == u'-';
}

bool isValidLabel(const QString& label)
{
    if (label.isEmpty() || label.size() > 63 || label.startsWith(u'-') || label.endsWith(u'-'))
        return false;
    return std::all_of(label.begin(), label.end(), isLabelCharacter);
}

} // namespace

QString AddressForm::fault(const QString& address)
{
    const QString mailto = QStringLiteral("mailto:");
    if (address.startsWith(mailto))
        return hostFault(address.mid(address.indexOf(u'@') + 1));
    const qsizetype hostStart = address.indexOf(QLatin1String("://"));
    if (hostStart < 0)
        return tr("it names no host");
    qsizetype hostEnd = address.size();
    for (const QChar stop : {u'/', u'?', u'#'}) {
        const qsizetype at = address.indexOf(stop, hostStart + 3);
        if (at >= 0)
            hostEnd = qMin(hostEnd, at);
    }
    QString host = address.mid(hostStart + 3, hostEnd - hostStart - 3);
    host = host.mid(host.lastIndexOf(u'@') + 1);
    const qsizetype colon = host.indexOf(u':');
    if (colon >= 0) {
        bool ok = false;
        const int port = host.mid(colon + 1).toInt(&ok);
        if (!ok || port < 1 || port > 65535)
            return tr("its port is not a number from 1 to 65535");
        host.truncate(colon);
    }
    const QString hostWrong = hostFault(host);
    if (!hostWrong.isEmpty())
        return hostWrong;
    if (!QUrl(address, QUrl::StrictMode).isValid())
        return tr("it holds characters a browser does not take as written");
    return QString();
}

QString AddressForm::hostFault(const QString& host)
{
    if (isIpv4(host))
        return QString();
    const QStringList labels = host.split(u'.');
    if (labels.size() < 2)
        return tr("its host name %1 has no top-level domain").arg(host);
    if (!std::all_of(labels.begin(), labels.end(), isValidLabel))
        return tr("its host name %1 is not made of names of letters, digits and hyphens "
                  "between single dots")
            .arg(host);
    const QString& top = labels.last();
    if (top.size() < 2 ||
        !std::all_of(top.begin(), top.end(), [](QChar ch) { return ch.isLetter(); }))
        return tr("its host name %1 ends in %2, which is no top-level domain").arg(host, top);
    return QString();
}

bool AddressForm::isIpv4(const QString& host)
{
    const QStringList parts = host.split(u'.');
    if (parts.size() != 4)
        return false;
    return std::all_of(parts.begin(), parts.end(), [](const QString& part) {
        bool ok = false;
        const int value = part.toInt(&ok);
        return ok && part.size() <= 3 && value >= 0 && value <= 255;
    });
}
