// Every drawn style on awkward sizes and at many progress values: the new picture is never
// changed, no clipping is left on the screen, and the same inputs give the same frame. Run
// under the sanitizers, this also checks that nothing outside the bitmaps is touched.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "TaggedPictures.h"
#include "platform/Random.h"

namespace {

bool SamePixels(const Bitmap& a, const Bitmap& b) {
  return a.GetSize() == b.GetSize() &&
         std::memcmp(a.Bits(), b.Bits(), a.Stride() * static_cast<std::size_t>(a.Height())) == 0;
}

class AllStylesSweep : public testing::TestWithParam<int> {};

TEST_P(AllStylesSweep, KeepsTheContractOnAwkwardSizes) {
  const int style = GetParam();
  if (!IsStyleDrawn(style)) GTEST_SKIP() << "style " << style << " is not drawn yet";
  const TEffectProc proc = FindEffect(style)->Proc;

  struct Case {
    int w, h;
    std::vector<int> progress;
  };
  std::vector<int> every;
  for (int p = 1; p <= 99; ++p) every.push_back(p);
  const Case cases[] = {{1, 1, every},
                        {7, 3, every},
                        {3, 7, every},
                        {2, 2, every},
                        {641, 479, {1, 2, 33, 50, 51, 67, 98, 99}}};
  for (const Case& c : cases) {
    const Bitmap old = Tagged(c.w, c.h, kOld);
    const Bitmap picture = Tagged(c.w, c.h, kNew);
    const Bitmap pristine = picture.Clone();
    for (const int progress : c.progress) {
      SCOPED_TRACE(testing::Message() << c.w << " x " << c.h << " at progress " << progress);
      const ProgressPixels p = ProgressToPixels(c.w, c.h, progress);
      Bitmap first = old.Clone();
      SetRandSeed(12345);
      proc(first, picture, c.w, c.h, p.x, p.y, progress);
      ASSERT_FALSE(first.HasClip());
      ASSERT_TRUE(SamePixels(picture, pristine));
      Bitmap second = old.Clone();
      SetRandSeed(12345);
      proc(second, picture, c.w, c.h, p.x, p.y, progress);
      ASSERT_TRUE(SamePixels(first, second));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Styles, AllStylesSweep, testing::Range(1, kLastStyle + 1),
                         [](const testing::TestParamInfo<int>& param) {
                           return "Style" + std::to_string(param.param);
                         });

}  // namespace
