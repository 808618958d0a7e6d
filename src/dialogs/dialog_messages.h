// The dialogs' texts: captions, labels, button texts and the formats of the
// numbers they show, exactly as shown.
#pragma once

namespace pyk::dlg {

inline constexpr const char* kOk = "OK";
inline constexpr const char* kCancel = "Cancel";

// Version dialog.
inline constexpr const char* kAboutCaption = "Version of Pyknoscope";
inline constexpr const char* kAboutVersion = "Pyknoscope Version 1.0";

// Map Statistics dialog (read-only): the map's file name, then a name and a
// value a row.
inline constexpr const char* kStatisticsCaption = "Map Statistics";
inline constexpr const char* kStatisticsNames[] = {
    "Mean :", "Sigma (rms deviation) :", "Minimum :", "Maximum :", "Grid points :"};
inline constexpr const char* kStatisticFormat = "%.6g";
inline constexpr const char* kStatisticsUnit = "e/A^3";
inline constexpr const char* kStatisticsPointsFormat = "%d";

// Peak List dialog.
inline constexpr const char* kPeaksCaption = "Peak List";
inline constexpr const char* kPeaksThreshold = "Threshold :";
inline constexpr const char* kPeaksThresholdFormat = "%.1f";
inline constexpr const char* kPeaksSigma = "sigma";
inline constexpr const char* kPeaksWholeMap = "Search the whole map, not only this section";

// Color Setting dialog.
inline constexpr const char* kColorCaption = "Color Setting";
inline constexpr const char* kFrameColor = "Frame Color :";
inline constexpr const char* kFontColor = "Font Color :";
inline constexpr const char* kNegativeColor = "Contour Negative Color :";
inline constexpr const char* kPositiveColor = "Contour Positive Color :";
inline constexpr const char* kContourBackColor = "Contour Background Color :";
inline constexpr const char* kMeshColor = "Mesh Color :";
inline constexpr const char* kBackColor = "Background Color :";
inline constexpr const char* kPickButton = ".....";
inline constexpr const char* kLineWidth = "Contour Line Width :";
inline constexpr const char* kLineWidthFormat = "%3.1f";

// Contour Separation dialog.
inline constexpr const char* kSeparationCaption = "Contour Separation";
inline constexpr const char* kMinDensity = "Minimum Density :";
inline constexpr const char* kMaxDensity = "Maximum Density :";
inline constexpr const char* kSeparationValue = "Separation value :";
inline constexpr const char* kDensityUnit = "e/A^3";
inline constexpr const char* kMinDensityUnfilled = "........";
inline constexpr const char* kMaxDensityUnfilled = "......";
inline constexpr const char* kDensityFormat = "%7.2f";
inline constexpr const char* kSeparationFormat = "%6.2f";
// Its level choices: the separation as a multiple of sigma, levels about zero,
// negative lines dashed, and the difference map's usual picture in one click.
inline constexpr const char* kSeparationSigmaUnit = "sigma";
inline constexpr const char* kMapSigma = "Map sigma :";
inline constexpr const char* kMapSigmaUnknown = "......";
inline constexpr const char* kSeparationInSigma = "Separation in sigma (&S)";
inline constexpr const char* kLevelsSymmetric = "Levels symmetric about zero (&Z)";
inline constexpr const char* kDashedNegatives = "Dashed negative contours (&D)";
inline constexpr const char* kThreeSigmaPreset = "+/-3 sigma (&3)";
inline constexpr float kPresetSigmas = 3.0f;

// Go to Section dialog: the fractional coordinate along the normal of the
// face shown, labelled by that axis (x, y, z).
inline constexpr const char* kGoToCaption = "Go to Section";
inline constexpr const char* kGoToAxisLabels[] = {"x (fraction of a) :", "y (fraction of b) :", "z (fraction of c) :"};
inline constexpr const char* kGoToFractionFormat = "%.4f";

// Contour Conditions dialog.
inline constexpr const char* kConditionsCaption = "Contour Conditions";
inline constexpr const char* kF000 = "F(000) :";
inline constexpr const char* kDivision = "Division for Height :";
inline constexpr const char* kF000Format = "%7.2f";
inline constexpr const char* kDivisionFormat = "%3d";

}  // namespace pyk::dlg
