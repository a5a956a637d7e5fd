#include "effects/ClippedReveal.h"

#include "raster/Blit.h"

void ClippedReveal(Bitmap& screen, const Bitmap& picture, const Region& region) {
  const ScopedClip clip(screen, region);
  BitBlt(screen, 0, 0, picture.Width(), picture.Height(), picture, 0, 0);
}
