#pragma once
// The one thing the settings layer needs from the network: the body of an HTTP GET. The online layer
// implements it over the platform's HTTP client; tests implement it with canned texts.
#include <optional>
#include <string>

namespace tarvel {

class HttpGetter {
 public:
  virtual ~HttpGetter() = default;
  // The body of a successful GET of `url`; nothing on no connection, a time-out or an error status.
  // Blocking: returns when the reply is complete or the request has failed.
  virtual std::optional<std::string> Get(const std::string& url) = 0;
};

}  // namespace tarvel
