#pragma once
// Fetching an optional resource file (a picture, voice or radio library, the station list) from the
// download server into the parent directory of the program directory, where the program looks for it.
#include <QString>
#include <QtGlobal>
#include <filesystem>
#include <string_view>

#include "settings/options.h"
#include "windows/options_effects.h"
#include "windows/window_context.h"

namespace tarvel {

// The local services server, used when the options record holds no usable service address.
inline constexpr char kLocalServicesServer[] = "http://127.0.0.1:8765";
// Path of the resource files on the server; the file name follows.
inline constexpr char kResourceDownloadPath[] = "/downloads/progr/cards/";

// The server resource files are fetched from: the scheme, host and port of the account service's address
// (which the remote configuration may move) when it deciphers to an http or https address with a host;
// otherwise kLocalServicesServer.
QString ResourceDownloadServer(const Options& options);

struct DownloadLimits {
  int stallMs = 15000;             // no byte for this long: give up
  int totalMs = 180000;            // the whole transfer
  qint64 maxBytes = 64LL << 20;    // a larger reply is refused
};

// GETs server + kResourceDownloadPath + file and writes the body as dir/file through a temporary file
// that is renamed into place only when the transfer is complete. A connection error, a time-out, a
// status other than 200, an empty body, an HTML page, a short or oversized body, or a file name that is
// not a plain name leaves no file behind and returns false with `error` saying why. The wait runs a local
// event loop that takes no user input, so timers and painting go on meanwhile.
bool DownloadResourceFile(const QString& server, std::string_view file, const std::filesystem::path& dir,
                          const DownloadLimits& limits = {}, QString* error = nullptr);

// The whole fetch of a resource file as a button does it: the wait cursor, the burst at the pointer when
// `SaluteButtons` is on, the download into ResourceDownloadDir, "WToMenK" on success or "WWrongs" on
// failure, and ResourceFileFetched on success. `server` empty: ResourceDownloadServer.
bool FetchResourceFile(const WindowContext& context, OptionsEffects& effects, std::string_view file,
                       const QString& server = {}, const DownloadLimits& limits = {});

}  // namespace tarvel
