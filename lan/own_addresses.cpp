#include "lan/own_addresses.h"

#include <QNetworkInterface>

namespace tarvel {

AddressFields LayOutAddresses(const QStringList& interfaces, const QString& external) {
  AddressFields fields;
  std::size_t n = 0;
  for (const QString& a : interfaces) {
    if (n == fields.size() - 2) break;
    fields[n++].text = a;
  }
  fields[n++].text = external;
  fields[n] = {QStringLiteral("127.0.0.1"), QStringLiteral("Loop")};
  return fields;
}

QStringList InterfaceAddresses() {
  QStringList out;
  for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
    if (i.flags() & QNetworkInterface::IsLoopBack) continue;
    for (const QNetworkAddressEntry& e : i.addressEntries())
      if (e.ip().protocol() == QAbstractSocket::IPv4Protocol) out << e.ip().toString();
  }
  return out;
}

}  // namespace tarvel
