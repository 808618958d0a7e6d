// The settings subsystem's message texts, exactly as shown.
#pragma once

namespace pyk::msg {

inline constexpr const char* kIniNotFound = "ini file not found !!";
inline constexpr const char* kNoViewing = " No [Viewing Parameters] in ini file !!";
inline constexpr const char* kNoLight = " No [Default Light Property] in ini file !!";
inline constexpr const char* kNoMaterial = "No [Material Parameters] in ini file !!";
inline constexpr const char* kNoColor = "No [Color Data] in ini file !!";
inline constexpr const char* kNoMesh = "No [Mesh Mode Parameters] in ini file !!";
inline constexpr const char* kNoFlag = "No [Flag] in ini file !!";

}  // namespace pyk::msg
