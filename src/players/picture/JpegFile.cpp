#include "players/picture/JpegFile.h"

#include <csetjmp>
#include <cstdio>
#include <string>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

#include "platform/Errors.h"
#include "players/picture/Orientation.h"

namespace {

// A decompression session. Every call into the library is made from a member function that
// sets the error jump target first; the library's fatal errors jump back there and become an
// EJPEG. No object with a destructor lives between a jump target and the library call.
class JpegSession {
 public:
  JpegSession(const std::uint8_t* data, std::size_t size) {
    info_.err = jpeg_std_error(&error_.pub);
    error_.pub.error_exit = &JpegSession::ErrorExit;
    error_.pub.emit_message = &JpegSession::EmitMessage;
    if (setjmp(error_.jump)) Fail();
    jpeg_create_decompress(&info_);
    created_ = true;
    jpeg_mem_src(&info_, data, static_cast<unsigned long>(size));
    jpeg_save_markers(&info_, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&info_, TRUE);
  }
  ~JpegSession() {
    if (created_) jpeg_destroy_decompress(&info_);
  }
  JpegSession(const JpegSession&) = delete;
  JpegSession& operator=(const JpegSession&) = delete;

  int Orientation() const {
    for (jpeg_saved_marker_ptr m = info_.marker_list; m; m = m->next) {
      if (m->marker == JPEG_APP0 + 1) {
        const int o = ExifOrientation(m->data, m->data_length);
        if (o != 1) return o;
      }
    }
    return 1;
  }
  Size StoredSize() const {
    return {static_cast<std::int32_t>(info_.image_width),
            static_cast<std::int32_t>(info_.image_height)};
  }
  bool Cmyk() const {
    return info_.jpeg_color_space == JCS_CMYK || info_.jpeg_color_space == JCS_YCCK;
  }

  // Starts decoding at scale n/8 and returns the delivered size.
  Size Start(unsigned n) {
    if (setjmp(error_.jump)) Fail();
    info_.scale_num = n;
    info_.scale_denom = 8;
    info_.out_color_space = Cmyk() ? JCS_CMYK : JCS_EXT_BGRX;
    info_.dct_method = JDCT_ISLOW;
    jpeg_start_decompress(&info_);
    return {static_cast<std::int32_t>(info_.output_width),
            static_cast<std::int32_t>(info_.output_height)};
  }

  // Reads the next rows into rows[0..count); returns how many were read.
  unsigned ReadRows(std::uint8_t** rows, unsigned count) {
    if (setjmp(error_.jump)) Fail();
    return jpeg_read_scanlines(&info_, rows, count);
  }
  bool RowsLeft() const { return info_.output_scanline < info_.output_height; }

  void Finish() {
    if (setjmp(error_.jump)) Fail();
    jpeg_finish_decompress(&info_);
  }

 private:
  struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
  };

  static void ErrorExit(j_common_ptr info) {
    auto* error = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, error->message);
    std::longjmp(error->jump, 1);
  }

  // Warnings are tolerated, except that the data ends early: the picture is damaged then.
  static void EmitMessage(j_common_ptr info, int level) {
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) {
      info->err->error_exit(info);
    }
  }

  [[noreturn]] void Fail() {
    if (created_) jpeg_destroy_decompress(&info_);
    created_ = false;
    throw EJPEG(std::string("JPEG error: ") + error_.message);
  }

  jpeg_decompress_struct info_{};
  ErrorManager error_{};
  bool created_ = false;
};

// The smallest n in 1..8 with n/8 at least the reduction allowed.
unsigned ScaleEighths(double reduction) {
  for (unsigned n = 1; n < 8; ++n) {
    if (n >= reduction * 8) return n;
  }
  return 8;
}

// Adobe's CMYK pictures store inverted inks; the colour is (ink * black) / 255 per channel.
void CmykRowToPixels(const std::uint8_t* cmyk, Pixel* out, std::int32_t width) {
  for (std::int32_t x = 0; x < width; ++x, cmyk += 4) {
    const unsigned k = cmyk[3];
    out[x] = MakePixel(static_cast<std::uint8_t>(cmyk[0] * k / 255),
                       static_cast<std::uint8_t>(cmyk[1] * k / 255),
                       static_cast<std::uint8_t>(cmyk[2] * k / 255));
  }
}

Bitmap DecodeRows(JpegSession& session, Size size) {
  Bitmap bitmap(size.width, size.height);
  if (session.Cmyk()) {
    std::vector<std::uint8_t> cmyk(static_cast<std::size_t>(size.width) * 4);
    std::uint8_t* row = cmyk.data();
    for (std::int32_t y = 0; session.RowsLeft(); ++y) {
      if (session.ReadRows(&row, 1) != 1) throw EJPEG("JPEG error: no more rows");
      CmykRowToPixels(row, bitmap.Row(y), size.width);
    }
  } else {
    std::vector<std::uint8_t*> rows(static_cast<std::size_t>(size.height));
    for (std::int32_t y = 0; y < size.height; ++y) {
      rows[static_cast<std::size_t>(y)] = reinterpret_cast<std::uint8_t*>(bitmap.Row(y));
    }
    unsigned done = 0;
    while (session.RowsLeft()) {
      const unsigned got =
          session.ReadRows(rows.data() + done, static_cast<unsigned>(size.height) - done);
      if (got == 0) throw EJPEG("JPEG error: no more rows");
      done += got;
    }
  }
  session.Finish();
  return bitmap;
}

}  // namespace

Bitmap DecodeJpeg(const std::uint8_t* data, std::size_t size, const ReductionFor& reduction) {
  if (size == 0) throw EJPEG("JPEG error: empty file");
  JpegSession session(data, size);
  const int orientation = session.Orientation();
  Size upright = session.StoredSize();
  if (SwapsAxes(orientation)) upright = {upright.height, upright.width};
  const Size delivered = session.Start(ScaleEighths(reduction ? reduction(upright) : 1.0));
  return Orient(DecodeRows(session, delivered), orientation);
}
