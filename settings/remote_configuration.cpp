#include "settings/remote_configuration.h"

namespace tarvel {
namespace {

// The value after `key` and its one separator character, up to the next "#"; nothing when the key is
// missing or its value is not closed by "#" (a text cut short in transfer).
std::optional<std::string_view> ValueOf(std::string_view text, std::string_view key) {
  const std::size_t at = text.find(key);
  if (at == std::string_view::npos) return std::nullopt;
  const std::size_t start = at + key.size() + 1;
  if (start > text.size()) return std::nullopt;
  const std::size_t end = text.find('#', start);
  if (end == std::string_view::npos) return std::nullopt;
  return text.substr(start, end - start);
}

std::optional<std::string> AddressOf(std::string_view text, std::string_view key) {
  const auto value = ValueOf(text, key);
  if (!value || value->empty() || !DecipherAddress(*value)) return std::nullopt;
  return std::string(*value);
}

}  // namespace

RemoteConfiguration ParseRemoteConfiguration(std::string_view text) {
  RemoteConfiguration remote;
  remote.ChatPaused = text.find("CTGamesPause") != std::string_view::npos;
  remote.TopTenPaused = text.find("WTGamesPause") != std::string_view::npos;
  if (!remote.TopTenPaused) remote.RecordsServiceAddress = AddressOf(text, "WTGamesPatt");
  remote.StatsServiceAddress = AddressOf(text, "StatPath");
  remote.AccountServiceAddress = AddressOf(text, "AccPath");
  return remote;
}

void ApplyRemoteConfiguration(const std::optional<RemoteConfiguration>& remote, Options& options) {
  options.AccountServiceAddress = std::string(kBuiltInAccountServiceAddress);
  if (!remote) {
    options.ChatAvailable = true;
    options.TopTenAvailable = true;
    return;
  }
  options.ChatAvailable = !remote->ChatPaused;
  options.TopTenAvailable = !remote->TopTenPaused;
  if (remote->RecordsServiceAddress) options.RecordsServiceAddress = *remote->RecordsServiceAddress;
  if (remote->StatsServiceAddress) options.StatsServiceAddress = *remote->StatsServiceAddress;
  if (remote->AccountServiceAddress) options.AccountServiceAddress = *remote->AccountServiceAddress;
}

bool FetchRemoteConfiguration(Options& options, HttpGetter& http, std::string_view enciphered_address) {
  std::optional<RemoteConfiguration> remote;
  if (const auto url = DecipherAddress(enciphered_address)) {
    if (const auto text = http.Get(*url)) remote = ParseRemoteConfiguration(*text);
  }
  ApplyRemoteConfiguration(remote, options);
  return remote.has_value();
}

}  // namespace tarvel
