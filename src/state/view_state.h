// The view's state record: every field of the loaded map, its section, the
// settings, the colour table, the mouse and the mesh results, in fixed capacity.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "state/zeroed_block.h"

namespace pyk {

// Capacities of the record.
constexpr int kMaxPoints = 1000000;         // density records of one map
constexpr int kMaxSymOps = 48;              // symmetry operations
constexpr int kMaxLattice = 4;              // lattice (centring) translations
constexpr int kMaxGrid = 149;               // grid divisions along an in-plane axis
constexpr int kSectionSize = kMaxGrid + 1;  // samples along a section axis
constexpr int kMaxSectionPoints = 1000000;  // points collected on one section
constexpr int kMaxMeshRecords = 30000;      // mesh records (entry 0 never written)
constexpr int kPathSize = 140;              // path buffers, terminating zero included
constexpr int kMaxPath = kPathSize - 1;     // longest path that fits

// Display modes (m_nViewMode) and planes (m_nPlane).
enum ViewMode : int { kContour = 0, k3dContour = 1, k3dMesh = 2 };
enum Plane : int { kPlaneH00 = 0, kPlane0K0 = 1, kPlane00L = 2 };

// What the view can draw (m_nStatus): a computed section, nothing yet (no
// map, or the report could not be written), or a failure of the settings or
// of the mesh calculation, after its message.
enum Status : int { kStatusNoMap = -1, kStatusReady = 0, kStatusFailed = 1 };

// Entries of the object colour table (m_afColor).
enum ColorEntry : int {
  kColContourBack = 0,
  kColPositive = 1,
  kColNegative = 2,
  kColFont = 3,
  kColFrame = 4,
  kColWall = 5,
  kColMesh = 6,
  kColBackground = 7
};

// The density records of one map. Two blocks live with the view: the one
// shown and the one the next load reads into.
struct MapArrays {
  int32_t point[kMaxPoints][3];
  float density[kMaxPoints];
  float densityA[kMaxPoints];
  float densityB[kMaxPoints];
};
using MapArraysPtr = ZeroedPtr<MapArrays>;

// The work lists of one section extraction: the images that fall on it.
struct SectionLists {
  int32_t x[kMaxSectionPoints];
  int32_t y[kMaxSectionPoints];
  int32_t z[kMaxSectionPoints];
  float density[kMaxSectionPoints];
};

// The shown densities over the whole cell: every grid point that a record or
// one of its symmetry images reaches, counted once (the first image wins, as
// on a section). sigma is the rms deviation from the mean.
struct MapStatistics {
  double mean;
  double sigma;
  double min;
  double max;
  int64_t points;  // grid points counted; 0 before the first load
};

// A peak of the map: refined position, density there and its distance from
// the mean in sigma.
struct Peak {
  double frac[3];  // fractional x y z in [0, 1)
  double height;
  double sigmas;  // (height - mean) / sigma of the map
};

// An atom of a crystal model read from a coordinate file: the label marked
// on the map and its fractional position.
struct ModelAtom {
  std::string label;
  double frac[3];
};

// An operation of the model's space group on fractional coordinates,
// centring included: x' = rot x + tran.
struct ModelOp {
  double rot[3][3];
  double tran[3];
};

// The model whose atoms are marked over the map: its atoms as the file lists
// them and every operation of its group.
struct AtomModel {
  std::string file;
  std::vector<ModelAtom> atoms;
  std::vector<ModelOp> ops;
};

// How peaks are searched: the current section or the whole cell, and the
// threshold in sigma (maxima at or above it, minima at or below its negative).
struct PeakSearch {
  bool wholeMap = false;
  double threshold = 3.0;
};

// How the contour levels are laid. The step itself is always kept in density
// units; stepInSigma only says that the user gives it as a multiple of sigma,
// which a load then keeps. Symmetric levels are the nonzero multiples of the
// step within (min, max]: no level at zero, none at the map minimum.
struct LevelOptions {
  bool stepInSigma = false;
  bool symmetric = false;
  bool dashedNegatives = false;  // line levels below zero drawn dashed
};

// The transform the last frame drew the section's map (the plane z = 0 of
// its model coordinates) with: GL's matrices, column by column, and the
// viewport in device pixels. known is 0 until a frame draws the map and
// while a frame draws none (3D Mesh mode, no map).
struct MapView {
  double modelview[16];
  double projection[16];
  int32_t viewport[4];
  int32_t known;
};

// Everything a load replaces: the records, cell, grid, symmetry, contour
// conditions, density range and the files. A load fills a copy of it and
// commits the copy only when the whole map has been read and checked.
struct MapRecord {
  // Map records, pointing into a MapArrays block.
  int32_t m_nPoints;
  int32_t (*m_anPoint)[3];
  float* m_afDensity;
  float* m_afDensityA;
  float* m_afDensityB;
  int32_t m_bTwoColumn;         // decided by each load: the setting, or two columns on line 3
  int32_t m_bTwoColumnSetting;  // the settings file's two-column flag
  int32_t m_nColumn;

  // Cell, grid and symmetry.
  float m_afCell[6];
  int32_t m_anGrid[3];
  int32_t m_nSymOps;
  int32_t m_anSymRot[kMaxSymOps][3][3];  // r1..r9 in file order
  int32_t m_anSymTrans[kMaxSymOps][3];
  int32_t m_nCentro;
  int32_t m_nLattice;
  int32_t m_anLatticeTrans[kMaxLattice][3];
  // 1 while the records, cell, grid and symmetry form a complete map within
  // the capacities; the section computation runs only then.
  int32_t m_bMapValid;

  // Contour conditions.
  float m_afHkl[3];
  int32_t m_nContourLevels;
  int32_t m_nMapType;
  float m_fF000;

  // Density range and contour spacing.
  float m_fMinDensity;
  float m_fMaxDensity;
  float m_fContourStep;
  MapStatistics m_stats;

  // The map, report and contour files.
  char m_szMapFile[kPathSize];
  char m_szListFile[kPathSize];
  char m_szConFile[kPathSize];
};

// Points a record's arrays at a block.
void UseMapArrays(MapRecord& m, MapArrays& block);

struct ViewState : MapRecord {
  // The block the shown records live in, and the one a load reads into.
  MapArraysPtr m_pShownArrays;
  MapArraysPtr m_pSpareArrays;

  // Plane and section.
  int32_t m_nPlane;
  int32_t m_anSectionIndex[3];
  int32_t m_nSection;
  int32_t m_nSectionCount;
  int32_t m_nGridU;
  int32_t m_nGridV;

  // Section grid and geometry.
  float m_afSection[kSectionSize][kSectionSize];
  float m_afSectionXYZ[kSectionSize][kSectionSize][3];
  float m_afEdge[2];
  float m_fPlaneAngle;
  float m_afCenter[3];
  float m_fMaxEdge;
  float m_fHeightBase;
  float m_fHeightScale;
  float m_fEpsilon;

  // Work lists of one section extraction, in a block of their own.
  ZeroedPtr<SectionLists> m_pSectionLists;
  int32_t m_nSecCount;
  int32_t* m_anSecX;
  int32_t* m_anSecY;
  int32_t* m_anSecZ;
  float* m_afSecDensity;

  // Files.
  char m_szCurDir[kPathSize];
  char m_szIniPath[kPathSize];
  int32_t m_bCommandLine;

  // Shared control fields.
  int32_t m_nViewMode;
  int32_t m_nStatus;

  // Settings file fields.
  float m_afLightDiffuse[4];
  float m_afLightAmbient[4];
  float m_afLightSpecular[4];
  float m_afLightPosition[4];
  float m_fMatDiffuse;
  float m_fMatAmbient;
  float m_fMatSpecular;
  float m_fMatShininess;
  float m_afIniBackColor[3];
  int32_t m_nContourBackColor;
  int32_t m_nPositiveColor;
  int32_t m_nNegativeColor;
  int32_t m_nFontColor;
  int32_t m_nFrameColor;
  int32_t m_nWallColor;
  int32_t m_nMeshColor;
  int32_t m_nWindowWidth;
  int32_t m_nWindowHeight;
  int32_t m_nWindowLeft;
  int32_t m_nWindowTop;
  float m_fFovy;
  float m_fNear;
  float m_fFar;
  float m_fEyeDistance;
  float m_afMeshParam[4];
  int32_t m_nMouseMode;

  // Colours.
  float m_afPalette[8][3];
  float m_afColor[8][3];
  float m_afHighlight[3];

  // Window, renderer and contour drawing.
  float m_fAspect;
  // The view's client area in pixels, kept by every resize (the mesh program draws into it).
  int32_t m_nClientWidth, m_nClientHeight;
  float m_fViewRotX;
  float m_fViewRotZ;
  float m_fLineWidth;
  int32_t m_bGradient;
  float m_afTickU[6][2];  // points dividing the first section edge in fifths
  float m_afTickV[6][2];  // the same for the second edge
  float m_afTickLen[2];
  LevelOptions m_levelOptions;

  // Mouse.
  float m_fTransX, m_fTransY, m_fTransZ;
  float m_fRotX, m_fRotY;
  int32_t m_nMouseX, m_nMouseY;
  int32_t m_nMouseButton;
  uint8_t m_bRightButton;
  MapView m_mapView;

  // The last peak list and its search; marked on the sections they lie on,
  // cleared by every load.
  std::vector<Peak> m_vPeaks;
  PeakSearch m_peakSearch;
  // The model marked over the map, kept from map to map, and whether it is shown.
  AtomModel m_model;
  int32_t m_bShowAtoms;

  // Mesh program paths and results.
  std::string m_strMeshExe;
  std::string m_strMeshInp;
  std::string m_strMeshOut;
  float m_afMeshAxis[7];
  float m_afMeshView[6];
  int32_t m_nMeshCount;
  float m_afMeshX[kMaxMeshRecords];
  float m_afMeshY[kMaxMeshRecords];
  int32_t m_anMeshFlag[kMaxMeshRecords];
};

// The record, zero-filled and allocated once (about 40 MB), with its two
// record blocks (zero pages from the system, touched only when written).
std::unique_ptr<ViewState> MakeViewState();

// A copy of the shown map whose arrays point at the spare block: the record
// a load fills. CommitMapRecord makes it the shown map, its block the shown one.
MapRecord StageMapRecord(ViewState& s);
void CommitMapRecord(ViewState& s, const MapRecord& staged);

// Sets the viewing defaults; the map, plane, section indices, density range,
// contour spacing, status, paths and settings fields keep their values.
void ResetViewState(ViewState& s);

// Non-negative remainder of c by n, in 0 .. n-1; n must be positive.
inline int32_t WrapIndex(int64_t c, int32_t n) {
  if (c >= 0 && c < n) return static_cast<int32_t>(c);
  int64_t r = c % n;
  return static_cast<int32_t>(r < 0 ? r + n : r);
}

}  // namespace pyk
