#include "players/EffectGroups.h"

#include "platform/Random.h"
#include "showdata/SaverBase.h"

const std::array<EffectGroup, kEffectGroupCount> EffectGroupStyles = {{
    {5, {2, 19, 1, 18, 33}},
    {4, {35, 36, 37, 38}},
    {9, {7, 8, 13, 24, 9, 25, 26, 30, 34}},
    {3, {10, 27, 52}},
    {9, {3, 4, 20, 21, 29, 39, 40, 41, 42}},
    {9, {5, 6, 22, 23, 28, 43, 44, 45, 46}},
    {4, {11, 53, 12, 54}},
    {4, {10, 11, 12, 13}},
    {4, {14, 15, 31, 32}},
    {2, {16, 17}},
    {5, {47, 48, 49, 50, 51}},
    {3, {55, 56, 57}},
    {8, {58, 59, 69, 70, 80, 81, 82, 83}},
    {10, {60, 61, 62, 63, 64, 71, 72, 73, 74, 75}},
    {5, {65, 66, 76, 77, 78}},
    {9, {100, 101, 102, 103, 104, 105, 106, 107, 108}},
    {4, {138, 139, 140, 141}},
    {4, {67, 68, 79, 109}},
    {2, {84, 85}},
    {10, {86, 87, 88, 89, 94, 95, 96, 97, 98, 99}},
    {4, {90, 91, 92, 93}},
    {2, {114, 115}},
    {4, {119, 120, 121, 122}},
    {4, {123, 124, 125, 126}},
    {8, {128, 129, 130, 131, 132, 133, 134, 135}},
    {2, {136, 137}},
    {2, {143, 144}},
    {4, {145, 146, 147, 148}},
    {2, {149, 150}},
    {5, {116, 117, 118, 127, 142}},
}};

int PickEffectStyle(const TSaverBase& saver, const std::function<void(const char*)>& step) {
  step("2");
  int group = Random(kEffectGroupCount);
  bool found = false;
  for (int tries = 0; tries < kEffectGroupCount; ++tries) {
    step("3");
    if (saver.EffectGroupOn(group)) {
      found = true;
      break;
    }
    step("4");
    group = group == kEffectGroupCount - 1 ? 0 : group + 1;
  }
  step("5");
  if (!found) group = 0;
  step("6");
  const int index = Random(EffectGroupStyles[static_cast<std::size_t>(group)].count);
  step("7");
  const EffectGroup& chosen = EffectGroupStyles[static_cast<std::size_t>(group)];
  step("8");
  return chosen.styles[static_cast<std::size_t>(index)];
}
