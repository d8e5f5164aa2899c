#include "app/local_addresses.hpp"

#include "core/session/source_address.hpp"

#include <QHostAddress>
#include <QNetworkInterface>

#include <string>
#include <vector>

namespace tessel {

void ListLocalAddresses(QStringList& list) {
    list.clear();
    std::vector<std::string> addresses;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        if (!interface.flags().testFlag(QNetworkInterface::IsUp)) {
            continue;
        }
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol) {
                addresses.push_back(entry.ip().toString().toStdString());
            }
        }
    }
    for (const std::string& address : OrderSourceAddresses(addresses)) {
        list.append(QString::fromStdString(address));
    }
}

}  // namespace tessel
