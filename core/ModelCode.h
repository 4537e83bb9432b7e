#pragma once

namespace zelt {

// Model codes as the settings store and the document keep them.
inline constexpr int kModelRM0480 = 2013;
inline constexpr int kModelRM0410 = 2014;
inline constexpr int kModelRM0420 = 2015;
inline constexpr int kModelTK0550 = 2016;
inline constexpr int kModelTK0517 = 2017;
inline constexpr int kModelTK0530 = 2018;
inline constexpr int kDefaultModelCode = kModelRM0480;

// The RS232 models; their option bytes use the RS232 bit layout.
constexpr bool IsRs232Model(int modelCode) {
    return modelCode == kModelTK0517 || modelCode == kModelTK0530;
}

// Models whose new image carries the MR defaults. Codes outside the catalogue are not among
// them: their new image gets the RS232 group's defaults, although they are edited as MR models.
constexpr bool HasMrImageDefaults(int modelCode) {
    return modelCode >= kModelRM0480 && modelCode <= kModelTK0550;
}

// MR settings can be edited for every code except the two RS232 models.
constexpr bool SupportsMr(int modelCode) {
    return !IsRs232Model(modelCode);
}

} // namespace zelt
