// The map subsystem's message texts and report formats, exactly as shown and written.
#pragma once

namespace pyk::msg {

inline constexpr const char* kFouNotFound = "fou file not found !!";
inline constexpr const char* kConNotFound = "con file not found !!";
inline constexpr const char* kDataInputError = "Data Input Error";
inline constexpr const char* kOutputNotCreated = "Output file not created !!";
inline constexpr const char* kOutputCannotPrepare = "Output file cannot repared !!!";
inline constexpr const char* kModeNotAvailable = "This mode not available !!!";

// Density report lines, in the order they are written.
inline constexpr const char* kRepTitle = "<Fourier calculation>\n\n";
inline constexpr const char* kRepPlane = "    Plane :  (%3.1f %3.1f %3.1f)\n";
inline constexpr const char* kRepTypeFc = "    Type  : Fc\n";
inline constexpr const char* kRepTypeDiff = "    Type  : (Fo-Fc)\n";
inline constexpr const char* kRepTypePatterson = "    Type  : Patterson\n";
inline constexpr const char* kRepTypeUnknown = "    Type  : ?\n";
inline constexpr const char* kRepF000 = "    F(000)=%8.4f\n";
inline constexpr const char* kRepF000Unknown = "    F(000)= ?\n";
inline constexpr const char* kRepFmin = "    Fmin  =%8.4f\n";
inline constexpr const char* kRepFmax = "    Fmax  =%8.4f\n";
inline constexpr const char* kRepTotal = "    Total   Section =%d\n";
inline constexpr const char* kRepCurrent = "    Current Section =%d\n";
inline constexpr const char* kRepZLevel = "    Contour z level =%6.4f\n";
inline constexpr const char* kRepDz = "    Contour dz      =%6.4f\n\n";
inline constexpr const char* kRepListHead = "  Electron density p(xyz) list\n";
inline constexpr const char* kRepColumns = "    x  y      p\n";
inline constexpr const char* kRepSample = "  %3d%3d  %18.10e\n";

// The map statistics of pyknoscope-report --stats (nine digits give the float back).
// The peak list (pyknoscope-report --peaks, and the viewer's .peaks file).
inline constexpr const char* kPeaksMap = "# map %s\n";
inline constexpr const char* kPeaksWholeMap = "# search: the whole cell\n";
inline constexpr const char* kPeaksSection = "# search: section %d of face (%.0f %.0f %.0f)\n";
inline constexpr const char* kPeaksThreshold = "# threshold %.2f sigma; mean %.9g, sigma %.9g\n";
inline constexpr const char* kPeaksColumns = "# N x y z height height/sigma\n";
inline constexpr const char* kPeakLine = "%d %.4f %.4f %.4f %.4f %.2f\n";
// With a model shown: its file, and each peak's nearest atom and the distance to it in Angstrom.
inline constexpr const char* kPeaksModel = "# model %s\n";
inline constexpr const char* kPeaksColumnsAtom = "# N x y z height height/sigma atom distance\n";
inline constexpr const char* kPeakLineAtom = "%d %.4f %.4f %.4f %.4f %.2f %s %.2f\n";

inline constexpr const char* kStatsLines = "mean %.9g\nsigma %.9g\nmin %.9g\nmax %.9g\npoints %lld\n";

}  // namespace pyk::msg

// Refusals where a file goes beyond what the view can hold. Each names the
// file (or path) and the limit, which is formatted from its capacity constant.
namespace pyk::msg {

inline constexpr const char* kPathTooLong = "Path longer than %d characters: %s";
inline constexpr const char* kTooManyRecords = "%s: %d density records; at most %s can be read";
inline constexpr const char* kTooFewRecords = "%s: record count %d; a map needs at least one density record";
inline constexpr const char* kSymOpsRange = "%s: %d symmetry operations; 0 .. %d can be read";
inline constexpr const char* kLatticeRange = "%s: %d lattice translations; 0 .. %d can be read";
inline constexpr const char* kGridRange = "%s: grid divisions %d %d %d; each must be 1 .. %d";
inline constexpr const char* kCellInvalid = "%s: cell %g %g %g %g %g %g; the edges must be positive and all six finite";
inline constexpr const char* kDensityNotFinite = "%s: the density of record %d is not a finite number";
inline constexpr const char* kMapEndsEarly = "%s: line %d: the file ends before the end of %s";
inline constexpr const char* kMapNotANumber = "%s: line %d: text where %s must stand";
inline constexpr const char* kSectionPoints = "%s: %lld points fall on one section; at most %s can be collected";

// Refusals of CCP4/MRC map files, each naming the file and what is wrong.
inline constexpr const char* kCcp4Unreadable = "%s: not a readable CCP4/MRC map: %s";
inline constexpr const char* kCcp4HeaderShort = "%s: the file ends inside the 1024-byte header";
inline constexpr const char* kCcp4GzipDamaged = "%s: the gzip data is damaged or ends early";
inline constexpr const char* kCcp4TooLarge = "%s: more than %s bytes; no map the viewer can hold is that large";
inline constexpr const char* kCcp4Mode = "%s: map mode %d; only real-valued maps (modes 0, 1, 2 and 6) can be shown";
inline constexpr const char* kCcp4CellPoints = "%s: %s grid points in the cell; at most %s can be shown";
inline constexpr const char* kCcp4Extent =
    "%s: the stored part (%d x %d x %d points) does not fit in the cell's grid (%d x %d x %d)";
inline constexpr const char* kCcp4EndsEarly = "%s: the file ends before the end of its %s densities";
inline constexpr const char* kCcp4SpaceGroup = "%s: space group number %d is not known";
inline constexpr const char* kCcp4GridSymmetry = "%s: grid %d %d %d does not fit the symmetry of space group %s";
inline constexpr const char* kCcp4NotFinite = "%s: stored density %s is not a finite number";
inline constexpr const char* kCcp4Uncovered =
    "%s: %s grid points of the cell have no value; the stored part does not cover the asymmetric unit";

}  // namespace pyk::msg

// Refusals of coordinate files (the model marked over the map), each naming the file.
namespace pyk::msg {

inline constexpr const char* kModelNotFound = "%s: the coordinate file cannot be opened";
inline constexpr const char* kModelUnreadable = "%s: not a readable CIF or PDB file: %s";
inline constexpr const char* kModelNoAtoms = "%s: no atom sites with coordinates";
inline constexpr const char* kModelNoCell = "%s: no unit cell to place the atoms in the map's cell";
inline constexpr const char* kModelSpaceGroup = "%s: space group \"%s\" is not known";
inline constexpr const char* kModelNoSpaceGroup = "%s: no space group name or symmetry operations";
inline constexpr const char* kModelTooLarge = "%s: %s atoms; at most %s can be marked";

}  // namespace pyk::msg
