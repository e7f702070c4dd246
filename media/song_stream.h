#pragma once
// The song as a sequential read-only device for a pulling QAudioSink: every read renders the next samples
// through the synthesiser; the stream ends (reads give 0 bytes) when the song has rung out.
#include <QIODevice>

#include "media/song_synth.h"

namespace tarvel {

class SongStream : public QIODevice {
 public:
  // The synthesiser must outlive the stream and is used only from the thread that reads the stream.
  explicit SongStream(SongSynth& synth, QObject* parent = nullptr);

  bool isSequential() const override { return true; }
  qint64 bytesAvailable() const override;

 protected:
  qint64 readData(char* data, qint64 maxSize) override;
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  SongSynth& synth_;
};

}  // namespace tarvel
