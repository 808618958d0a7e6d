// Structure data: the published crystal structures the samples are computed from.
// Aspirin: C. C. Wilson, New J. Chem. 26 (2002) 1733,
// doi:10.1039/b203379h, CCDC 185472, neutron data at 100 K (B = 8 pi^2 Ueq).
// Silicon: U = 0.00577 A^2 at 300 K. Rock salt: room-temperature B values.
#include "tools/samplemap/structures.h"

#include <numbers>

namespace pyk::sample {

namespace {

constexpr double B(double u) { return 8.0 * std::numbers::pi * std::numbers::pi * u; }

const char* const kFCentring[] = {"x,y+1/2,z+1/2", "x+1/2,y,z+1/2"};

CrystalStructure MakeAspirin() {
  CrystalStructure s{"aspirin", {11.233, 6.5440, 11.231, 90.0, 95.89, 90.0}, {"-x,y+1/2,-z+1/2", "-x,-y,-z"}, {}};
  s.sites = {
      {"C1", "C", {0.1537, 0.5603, 0.0665}, B(0.0115)},  {"C2", "C", {0.2473, 0.4838, 0.0088}, B(0.0118)},
      {"C3", "C", {0.2998, 0.2977, 0.0414}, B(0.0174)},  {"C4", "C", {0.2609, 0.1876, 0.1352}, B(0.0199)},
      {"C5", "C", {0.1686, 0.2620, 0.1942}, B(0.0174)},  {"C6", "C", {0.1158, 0.4463, 0.1614}, B(0.0158)},
      {"C7", "C", {0.0903, 0.7562, 0.0372}, B(0.0113)},  {"C8", "C", {0.3674, 0.7373, -0.0623}, B(0.0137)},
      {"C9", "C", {0.3993, 0.8399, -0.1740}, B(0.0214)}, {"O1", "O", {0.1235, 0.8590, -0.0527}, B(0.0201)},
      {"O2", "O", {0.0098, 0.8130, 0.0966}, B(0.0205)},  {"O3", "O", {0.2886, 0.5827, -0.0890}, B(0.0136)},
      {"O4", "O", {0.4029, 0.7815, 0.0367}, B(0.0248)},  {"H1", "H", {0.3698, 0.2377, -0.0095}, B(0.035)},
      {"H2", "H", {0.3016, 0.0396, 0.1593}, B(0.033)},   {"H3", "H", {0.1406, 0.174, 0.2688}, B(0.040)},
      {"H4", "H", {0.0433, 0.507, 0.2083}, B(0.031)},    {"H5", "H", {0.4618, 0.960, -0.145}, B(0.059)},
      {"H6", "H", {0.3200, 0.897, -0.224}, B(0.088)},    {"H7", "H", {0.434, 0.735, -0.240}, B(0.072)},
      {"H8", "H", {0.0713, 0.9855, -0.0642}, B(0.030)},
  };
  return s;
}

}  // namespace

const CrystalStructure& RockSalt() {
  static const CrystalStructure s{"rock salt",
                                  {5.6402, 5.6402, 5.6402, 90.0, 90.0, 90.0},
                                  {"-x,-y,z", "-x,y,-z", "z,x,y", "y,x,-z", "-x,-y,-z", kFCentring[0], kFCentring[1]},
                                  {{"Na", "Na1+", {0.0, 0.0, 0.0}, 1.60}, {"Cl", "Cl1-", {0.5, 0.0, 0.0}, 1.20}}};
  return s;
}

const CrystalStructure& Silicon() {
  static const CrystalStructure s{"silicon",
                                  {5.431, 5.431, 5.431, 90.0, 90.0, 90.0},
                                  {"-x,-y+1/2,z+1/2", "-x+1/2,y+1/2,-z", "z,x,y", "y+3/4,x+1/4,-z+3/4",
                                   "-x+1/4,-y+1/4,-z+1/4", kFCentring[0], kFCentring[1]},
                                  {{"Si", "Si", {0.0, 0.0, 0.0}, B(0.00577)}}};
  return s;
}

const CrystalStructure& Aspirin() {
  static const CrystalStructure s = MakeAspirin();
  return s;
}

const CrystalStructure& AspirinMoved() {
  static const CrystalStructure s = [] {
    CrystalStructure m = MakeAspirin();
    m.sites[kAspirinMovedSite].xyz[0] += kAspirinShiftAngstrom / m.cell.a;
    return m;
  }();
  return s;
}

}  // namespace pyk::sample
