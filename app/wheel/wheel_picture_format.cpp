#include "wheel/wheel_picture_format.h"

#include <cctype>

namespace kalvest {

std::optional<WheelPictureFormat> WheelPictureFormatOfFileName(const std::string& file_name) {
    const std::size_t dot = file_name.rfind('.');
    if (dot == std::string::npos) return std::nullopt;
    std::string extension = file_name.substr(dot);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const WheelPictureFormat format :
         {WheelPictureFormat::kSvg, WheelPictureFormat::kPng, WheelPictureFormat::kPdf}) {
        if (extension == WheelPictureExtension(format)) return format;
    }
    return std::nullopt;
}

const char* WheelPictureExtension(WheelPictureFormat format) {
    switch (format) {
    case WheelPictureFormat::kSvg:
        return ".svg";
    case WheelPictureFormat::kPng:
        return ".png";
    case WheelPictureFormat::kPdf:
        return ".pdf";
    }
    return "";
}

}  // namespace kalvest
