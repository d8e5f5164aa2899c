#include "app/local_addresses.hpp"

#include <QHostAddress>
#include <QHostInfo>

namespace tessel {

void ListLocalAddresses(QStringList& list) {
    list.clear();
    const QHostInfo info = QHostInfo::fromName(QHostInfo::localHostName());
    for (const QHostAddress& address : info.addresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol) {
            list.append(address.toString());
        }
    }
}

}  // namespace tessel
