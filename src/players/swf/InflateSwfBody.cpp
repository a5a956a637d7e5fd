#include "players/swf/InflateSwfBody.h"

#include <zlib.h>

#include <limits>
#include <string>

#include "platform/Errors.h"

namespace {

// One inflating reader over a memory block, ended however the read ends.
class Inflater {
 public:
  explicit Inflater(std::span<const std::uint8_t> input) {
    if (input.size() > std::numeric_limits<uInt>::max()) {
      throw EZDecompressionError("Compressed movie too large");
    }
    stream_.next_in = const_cast<Bytef*>(input.data());
    stream_.avail_in = static_cast<uInt>(input.size());
    if (inflateInit(&stream_) != Z_OK) throw EZDecompressionError("Decompression error");
  }
  ~Inflater() { inflateEnd(&stream_); }
  Inflater(const Inflater&) = delete;
  Inflater& operator=(const Inflater&) = delete;

  // Fills out as far as the stream goes; returns the number of bytes written.
  std::size_t Read(std::span<std::uint8_t> out) {
    stream_.next_out = out.data();
    stream_.avail_out = static_cast<uInt>(out.size());
    const int status = inflate(&stream_, Z_FINISH);
    if (status != Z_STREAM_END && status != Z_OK && status != Z_BUF_ERROR) {
      throw EZDecompressionError(std::string("Decompression error: ") +
                                 (stream_.msg ? stream_.msg : zError(status)));
    }
    return out.size() - stream_.avail_out;
  }

 private:
  z_stream stream_{};
};

}  // namespace

void InflateSwfBody(std::size_t count, std::span<const std::uint8_t> compressed,
                    std::vector<std::uint8_t>& result) {
  if (count > std::numeric_limits<uInt>::max()) {
    throw EZDecompressionError("Movie too large to inflate");
  }
  // Deflate expands by at most 1032 to 1: a stream too short for count bytes is known at once.
  if (count / 1032 > compressed.size() + 1) throw EReadError(kStreamReadError);
  std::vector<std::uint8_t> inflated(count);
  Inflater inflater(compressed);
  if (inflater.Read(inflated) != count) throw EReadError(kStreamReadError);
  result = std::move(inflated);
}
