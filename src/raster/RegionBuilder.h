#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "raster/Region.h"

// Assembles a Region band by band, from the top down. Bands must be added in order and must
// not overlap; a band whose spans equal those of the band just above it (and touches it) is
// merged into that band, so the result stays canonical.
class RegionBuilder {
 public:
  // spans: sorted by left, non-touching, non-empty. An empty list adds nothing.
  void AddBand(std::int32_t top, std::int32_t bottom, std::span<const Region::Span> spans);
  Region Finish();

 private:
  Region region_;
};

// Sorts spans by left and merges the ones that overlap or touch, in place.
void NormalizeSpans(std::vector<Region::Span>& spans);
