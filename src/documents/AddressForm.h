#pragma once

#include <QCoreApplication>
#include <QString>

// Whether a web or e-mail address can be opened as written, judged by its form alone (nothing
// is looked up): a host of dot-separated names of letters, digits and hyphens that ends in a
// top-level name of letters, or an IPv4 address; a port that is a number; the rest of the
// address in characters a browser takes.
class AddressForm
{
    Q_DECLARE_TR_FUNCTIONS(AddressForm)

public:
    // What is wrong with an address as LinkFinder gives it (with "http://" or "mailto:"), or
    // "" when nothing is.
    static QString fault(const QString& address);

private:
    static QString hostFault(const QString& host);
    static bool isIpv4(const QString& host);
};
