#include "settings/remote_configuration.h"

#include <gtest/gtest.h>

#include <vector>

#include "settings/options_file.h"
#include "temp_dir.h"

namespace tarvel {
namespace {

// Serves one canned reply (or a failure) and records what was asked for.
class CannedHttp : public HttpGetter {
 public:
  explicit CannedHttp(std::optional<std::string> reply) : reply_(std::move(reply)) {}
  std::optional<std::string> Get(const std::string& url) override {
    urls.push_back(url);
    return reply_;
  }
  std::vector<std::string> urls;

 private:
  std::optional<std::string> reply_;
};

const std::string kRecords = EncipherAddress("http://new.example/records");
const std::string kStats = EncipherAddress("http://new.example/stats");
const std::string kAccounts = EncipherAddress("http://new.example/accounts");
const std::string kStoredRecords = EncipherAddress("http://stored.example/records");
const std::string kStoredStats = EncipherAddress("http://stored.example/stats");

struct RemoteCase {
  const char* name;
  std::optional<std::string> reply;  // nothing: the fetch fails
  bool chat;
  bool top_ten;
  std::string records;  // enciphered addresses expected afterwards
  std::string stats;
  std::string accounts;
};

TEST(RemoteConfiguration, Cases) {
  const std::string built_in_accounts(kBuiltInAccountServiceAddress);
  const std::vector<RemoteCase> cases = {
      {"failed fetch: both available, stored addresses stay", std::nullopt, true, true, kStoredRecords,
       kStoredStats, built_in_accounts},
      {"empty text", "", true, true, kStoredRecords, kStoredStats, built_in_accounts},
      {"all three addresses", "WTGamesPatt=" + kRecords + "#StatPath=" + kStats + "#AccPath=" + kAccounts + "#",
       true, true, kRecords, kStats, kAccounts},
      {"chat paused", "CTGamesPause=1#", false, true, kStoredRecords, kStoredStats, built_in_accounts},
      {"top ten paused even with an address", "WTGamesPatt=" + kRecords + "#WTGamesPause=1#StatPath=" + kStats + "#",
       true, false, kStoredRecords, kStats, built_in_accounts},
      {"any separator character", "WTGamesPatt:" + kRecords + "# AccPath " + kAccounts + "#", true, true, kRecords,
       kStoredStats, kAccounts},
      {"text in lines, as a web server sends it",
       "CTGamesPause=yes#\r\nWTGamesPatt=" + kRecords + "#\r\n", false, true, kRecords, kStoredStats,
       built_in_accounts},
      {"value cut off before its #", "StatPath=" + kStats + "#WTGamesPatt=" + kRecords.substr(0, 10), true, true,
       kStoredRecords, kStats, built_in_accounts},
      {"key at the very end", "AccPath", true, true, kStoredRecords, kStoredStats, built_in_accounts},
      {"key and separator at the very end", "AccPath=", true, true, kStoredRecords, kStoredStats,
       built_in_accounts},
      {"empty values", "WTGamesPatt=#StatPath=#AccPath=#", true, true, kStoredRecords, kStoredStats,
       built_in_accounts},
      {"values that do not decipher", "WTGamesPatt=http://evil/#StatPath=" + kStats.substr(2) + "#", true, true,
       kStoredRecords, kStoredStats, built_in_accounts},
      {"an HTML error page", "<html><body>502 Bad Gateway #</body></html>", true, true, kStoredRecords,
       kStoredStats, built_in_accounts},
  };
  for (const RemoteCase& c : cases) {
    SCOPED_TRACE(c.name);
    Options options;
    options.RecordsServiceAddress = kStoredRecords;
    options.StatsServiceAddress = kStoredStats;
    options.AccountServiceAddress = kAccounts;  // replaced by the built-in one first, whatever the text
    CannedHttp http(c.reply);
    EXPECT_EQ(FetchRemoteConfiguration(options, http), c.reply.has_value());
    ASSERT_EQ(http.urls.size(), 1u);  // one fetch serves all three look-ups
    EXPECT_EQ(http.urls[0], "http://127.0.0.1:8765/config.txt");
    EXPECT_EQ(options.ChatAvailable, c.chat);
    EXPECT_EQ(options.TopTenAvailable, c.top_ten);
    EXPECT_EQ(options.RecordsServiceAddress, c.records);
    EXPECT_EQ(options.StatsServiceAddress, c.stats);
    EXPECT_EQ(options.AccountServiceAddress, c.accounts);
  }
}

TEST(RemoteConfiguration, WorkingAddressesFollowTheText) {
  Options options;
  CannedHttp http("WTGamesPatt=" + kRecords + "#StatPath=" + kStats + "#AccPath=" + kAccounts + "#");
  FetchRemoteConfiguration(options, http);
  EXPECT_EQ(options.RecordsServiceUrl(), "http://new.example/records");
  EXPECT_EQ(options.StatsServiceUrl(), "http://new.example/stats");
  EXPECT_EQ(options.AccountServiceUrl(), "http://new.example/accounts");
}

// The start-up fetches the remote configuration after the options file, also on a first start without one.
TEST(RemoteConfiguration, LoadOptionsFetchesIt) {
  for (const bool with_file : {true, false}) {
    SCOPED_TRACE(with_file);
    testing::TempDir dir;
    Options saved;
    saved.StatsServiceAddress = kStoredStats;
    if (with_file) {
      ASSERT_TRUE(SaveOptions(dir.path(), saved).Saved);
    }
    CannedHttp http("CTGamesPause#WTGamesPatt=" + kRecords + "#");
    Options options;
    const OptionsLoadResult result = LoadOptions(dir.path(), options, &http);
    EXPECT_TRUE(result.RemoteFetched);
    EXPECT_FALSE(options.ChatAvailable);
    EXPECT_TRUE(options.TopTenAvailable);
    EXPECT_EQ(options.RecordsServiceAddress, kRecords);
    EXPECT_EQ(options.StatsServiceAddress, with_file ? kStoredStats : std::string(kBuiltInStatsServiceAddress));
  }
}

}  // namespace
}  // namespace tarvel
