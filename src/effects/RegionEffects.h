#pragma once

// The procedures of styles 60 to 171, family by family.
#include "effects/BarEffects.h"
#include "effects/BlindEffects.h"
#include "effects/CurvedEffects.h"
#include "effects/FadeEffects.h"
#include "effects/PatternEffects.h"
#include "effects/PixelEffects.h"
#include "effects/PushEffects.h"
#include "effects/ShredEffects.h"
#include "effects/FleckEffects.h"
#include "effects/SweepEffects.h"
#include "effects/TriangleEffects.h"
