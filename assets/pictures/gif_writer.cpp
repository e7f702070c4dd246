#include "assets/pictures/gif_writer.h"

#include <cmath>
#include <unordered_map>

namespace tarvel::assets {
namespace {

constexpr int kTransparent = 255;

void Put16(QByteArray& out, int v) {
  out.append(static_cast<char>(v & 0xFF));
  out.append(static_cast<char>((v >> 8) & 0xFF));
}

// 6 red x 7 green x 6 blue levels.
int PaletteIndex(QRgb p) {
  const int r = (qRed(p) * 5 + 127) / 255, g = (qGreen(p) * 6 + 127) / 255, b = (qBlue(p) * 5 + 127) / 255;
  return r * 42 + g * 6 + b;
}

class BitWriter {
 public:
  explicit BitWriter(QByteArray& out) : out_(out) {}
  void Write(int code, int width) {
    acc_ |= static_cast<unsigned>(code) << bits_;
    bits_ += width;
    while (bits_ >= 8) {
      Byte(acc_ & 0xFF);
      acc_ >>= 8;
      bits_ -= 8;
    }
  }
  void Finish() {
    if (bits_ > 0) Byte(acc_ & 0xFF);
    Flush();
    out_.append('\0');
  }

 private:
  void Byte(unsigned b) {
    block_.append(static_cast<char>(b));
    if (block_.size() == 255) Flush();
  }
  void Flush() {
    if (block_.isEmpty()) return;
    out_.append(static_cast<char>(block_.size()));
    out_.append(block_);
    block_.clear();
  }
  QByteArray& out_;
  QByteArray block_;
  unsigned acc_ = 0;
  int bits_ = 0;
};

void Lzw(QByteArray& out, const QByteArray& indices) {
  constexpr int kMinCode = 8, kClear = 256, kEnd = 257;
  out.append(static_cast<char>(kMinCode));
  BitWriter bits(out);
  std::unordered_map<int, int> table;
  int width = kMinCode + 1, next = kEnd + 1;
  bits.Write(kClear, width);
  int prefix = -1;
  for (char ch : indices) {
    const int c = static_cast<unsigned char>(ch);
    if (prefix < 0) {
      prefix = c;
      continue;
    }
    const int key = (prefix << 8) | c;
    const auto it = table.find(key);
    if (it != table.end()) {
      prefix = it->second;
      continue;
    }
    bits.Write(prefix, width);
    if (next < 4096) {
      table.emplace(key, next);
      if (next == (1 << width) && width < 12) ++width;
      ++next;
    } else {
      bits.Write(kClear, width);
      table.clear();
      width = kMinCode + 1;
      next = kEnd + 1;
    }
    prefix = c;
  }
  if (prefix >= 0) {
    bits.Write(prefix, width);
    // The decoder widens its codes as it would after any other code.
    if (next == (1 << width) && width < 12) ++width;
  }
  bits.Write(kEnd, width);
  bits.Finish();
}

}  // namespace

QByteArray EncodeGif(const QList<GifFrame>& frames) {
  if (frames.isEmpty()) return {};
  const QSize size = frames.first().image.size();
  QByteArray out("GIF89a");
  Put16(out, size.width());
  Put16(out, size.height());
  out.append(static_cast<char>(0xF7));  // global palette of 256 entries
  out.append('\0');
  out.append('\0');
  for (int i = 0; i < 256; ++i) {
    int r = 0, g = 0, b = 0;
    if (i < 252) {
      r = (i / 42) * 255 / 5;
      g = ((i / 6) % 7) * 255 / 6;
      b = (i % 6) * 255 / 5;
    }
    out.append(static_cast<char>(r));
    out.append(static_cast<char>(g));
    out.append(static_cast<char>(b));
  }
  out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
  Put16(out, 0);
  out.append('\0');
  for (const GifFrame& frame : frames) {
    if (frame.image.size() != size) return {};
    const QImage img = frame.image.convertToFormat(QImage::Format_ARGB32);
    QByteArray indices;
    indices.reserve(size.width() * size.height());
    for (int y = 0; y < size.height(); ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
      for (int x = 0; x < size.width(); ++x)
        indices.append(static_cast<char>(qAlpha(line[x]) < 128 ? kTransparent : PaletteIndex(line[x])));
    }
    out.append("\x21\xF9\x04", 3);
    out.append(static_cast<char>((2 << 2) | 1));  // restore to background, transparent index present
    Put16(out, std::max(2, frame.delayMs / 10));
    out.append(static_cast<char>(kTransparent));
    out.append('\0');
    out.append('\x2C');
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, size.width());
    Put16(out, size.height());
    out.append('\0');
    Lzw(out, indices);
  }
  out.append('\x3B');
  return out;
}

}  // namespace tarvel::assets
