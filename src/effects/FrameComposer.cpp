#include "effects/FrameComposer.h"

#include <algorithm>

#include "effects/EffectTable.h"
#include "platform/Errors.h"
#include "platform/MulDiv.h"
#include "raster/Blit.h"

ProgressPixels ProgressToPixels(std::int32_t width, std::int32_t height, std::int32_t progress) {
  ProgressPixels p;
  if (width <= 0 || height <= 0) return p;
  if (height <= width) {
    p.x = MulDiv(width, progress, 100);
    p.y = MulDiv(p.x, height, width);
  } else {
    p.y = MulDiv(height, progress, 100);
    p.x = MulDiv(p.y, width, height);
  }
  return p;
}

void RenderFrame(Bitmap& screen, const Bitmap& oldPicture, const Bitmap& picture, int style,
                 std::int32_t progress, const FrameHooks& hooks) {
  if (screen.GetSize() != picture.GetSize() || oldPicture.GetSize() != picture.GetSize()) {
    throw EInvalidOperation("The screen, old and new pictures of a frame differ in size");
  }
  const std::int32_t w = picture.Width();
  const std::int32_t h = picture.Height();
  progress = std::clamp(progress, 0, 100);

  screen.RemoveClip();
  BitBlt(screen, 0, 0, w, h, oldPicture, 0, 0);
  if (hooks.beforeNewFrame) hooks.beforeNewFrame(picture, screen);
  if (progress == 100) {
    BitBlt(screen, 0, 0, w, h, picture, 0, 0);
  } else if (progress != 0) {
    const ScopedClip noClipAfterwards(screen);
    if (style == kCustomStyle) {
      if (hooks.customDraw) hooks.customDraw(picture, screen);
    } else if (IsStyleDrawn(style) && !picture.IsEmpty()) {
      const ProgressPixels p = ProgressToPixels(w, h, progress);
      FindEffect(style)->Proc(screen, picture, w, h, p.x, p.y, progress);
    }
  }
  if (hooks.afterNewFrame) hooks.afterNewFrame(picture, screen);
}
