#pragma once

#include <cstdint>

#include "raster/Bitmap.h"

// The type of an effect procedure, for declaring the procedures of each family:
//   EffectProcedure ExpandFromRight;
using EffectProcedure = void(Bitmap& Screen, const Bitmap& Picture, std::int32_t W, std::int32_t H,
                             std::int32_t X, std::int32_t Y, std::int32_t Progress);
