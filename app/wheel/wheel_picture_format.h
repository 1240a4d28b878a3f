// The picture files the wheel is written to, chosen by the file name's
// extension, whatever its case: "wheel.svg", "Wheel.PNG", "a.b.pdf".
#pragma once

#include <optional>
#include <string>

namespace kalvest {

enum class WheelPictureFormat { kSvg, kPng, kPdf };

// The format the name ends in; none for another or no extension.
std::optional<WheelPictureFormat> WheelPictureFormatOfFileName(const std::string& file_name);

// ".svg", ".png", ".pdf".
const char* WheelPictureExtension(WheelPictureFormat format);

// The width of a PNG picture when none is asked for, and the range asked
// for may take, in pixels; the height follows from the drawing's shape.
constexpr int kWheelDefaultPngWidth = 1500;
constexpr int kWheelMinimumPngWidth = 200;
constexpr int kWheelMaximumPngWidth = 8000;

}  // namespace kalvest
