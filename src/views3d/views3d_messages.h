// The 3D views' message texts and the mesh exchange formats, exactly as written.
#pragma once

namespace pyk::msg {

inline constexpr const char* kMeshFailed = "Mesh calculation failed !!!";

// meshinp, line by line.
inline constexpr const char* kMeshInParameter = "%3.2f\n";
inline constexpr const char* kMeshInViewpoint = "%6.1f %6.2f %3.1f\n";
inline constexpr const char* kMeshInEdges = "%7.4f %7.4f %6.2f\n";
inline constexpr const char* kMeshInClient = "%d %d\n";
inline constexpr const char* kMeshInRange = "%9.4f %9.4f\n";
inline constexpr const char* kMeshInGrid = "%d %d\n";
inline constexpr const char* kMeshInValue = "%9.4f\n";  // written as AppendFixedC's width and precision:
inline constexpr int kMeshInValueWidth = 9;
inline constexpr int kMeshInValuePrecision = 4;

// meshout: the projection numbers and the records.
inline constexpr const char* kMeshOutNumber = "%f";
inline constexpr const char* kMeshOutView = "%f %f %f %f %f %f";
inline constexpr const char* kMeshOutRecord = "%f %f %d";

}  // namespace pyk::msg
