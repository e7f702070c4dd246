#pragma once
// The remote configuration: a short text that the web service publishes to switch the chat and the online
// top ten off for a while and to move three services to new addresses. It holds keys, each followed by one
// separator character and a value that ends at the next "#":
//   CTGamesPause   present: the chat is unavailable
//   WTGamesPause   present: the online top ten is unavailable (and WTGamesPatt is not taken)
//   WTGamesPatt    enciphered address of the records service
//   StatPath       enciphered address of the statistics service
//   AccPath        enciphered address of the account service
#include <optional>
#include <string>
#include <string_view>

#include "settings/address_cipher.h"
#include "settings/http_getter.h"
#include "settings/options.h"

namespace tarvel {

// What one remote text says. An address is present only when its value is closed by "#", is not empty and
// deciphers; anything else leaves it absent, so a bad or truncated text changes no address.
struct RemoteConfiguration {
  bool ChatPaused = false;
  bool TopTenPaused = false;
  std::optional<std::string> RecordsServiceAddress;  // enciphered, as the options record keeps it
  std::optional<std::string> StatsServiceAddress;
  std::optional<std::string> AccountServiceAddress;
};

RemoteConfiguration ParseRemoteConfiguration(std::string_view text);

// Sets ChatAvailable, TopTenAvailable and the three addresses of `options` from `remote`; a failed fetch
// (nothing) makes both services available and keeps the stored addresses. The account address always
// starts again from its built-in default.
void ApplyRemoteConfiguration(const std::optional<RemoteConfiguration>& remote, Options& options);

// Fetches the text once from `enciphered_address`, then applies it. Returns true when the fetch succeeded.
bool FetchRemoteConfiguration(Options& options, HttpGetter& http,
                              std::string_view enciphered_address = kBuiltInRemoteConfigurationAddress);

}  // namespace tarvel
