#pragma once
// The six read-only address fields of the welcome window: the machine's IPv4 interface addresses as the
// system lists them, then the external address (from the online layer's address request), then
// "127.0.0.1" with the hint "Loop". With many interfaces the list keeps the first four, so the
// external and the loop-back address always have their fields.
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

namespace tarvel {

struct AddressField {
  QString text;
  QString hint;
};
using AddressFields = std::array<AddressField, 6>;

// `interfaces` as the system lists them (loop-back addresses are left out); `external` may be empty.
AddressFields LayOutAddresses(const QStringList& interfaces, const QString& external);
// The IPv4 addresses of this machine's interfaces, loop-back left out.
QStringList InterfaceAddresses();

// The hook the online layer sets: the external address as its address service reports it ("" when the
// request fails or there is no online layer).
using ExternalAddressRequest = std::function<QString()>;

}  // namespace tarvel
