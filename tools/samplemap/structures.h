// The published crystal structures the samples are computed from.
#pragma once

#include "tools/samplemap/structure.h"

namespace pyk::sample {

// Rock salt, Fm-3m, a = 5.6402 A: Na+ at 0,0,0 and Cl- at 1/2,0,0.
const CrystalStructure& RockSalt();
// Silicon, Fd-3m in origin choice 1 (origin at -43m, inversion centre at
// 1/8,1/8,1/8), a = 5.431 A, Si at 0,0,0.
const CrystalStructure& Silicon();
// Aspirin (acetylsalicylic acid), P2_1/c, 100 K.
const CrystalStructure& Aspirin();

// The aspirin site displaced for the difference map, and the displacement.
constexpr int kAspirinMovedSite = 12;           // O4, the acetyl carbonyl oxygen
constexpr double kAspirinShiftAngstrom = 0.40;  // along a
// Aspirin with that site moved.
const CrystalStructure& AspirinMoved();

}  // namespace pyk::sample
