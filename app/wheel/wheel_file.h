// The wheel of the year as a picture: an image for the screen and the
// clipboard, and the SVG, PNG and PDF files, all drawn by PaintWheel.
// Needs a QGuiApplication (the fonts come from it).
#pragma once

#include <QImage>

#include <string>

#include "wheel/wheel_layout.h"
#include "wheel/wheel_picture_format.h"

namespace kalvest {

// The drawing `width` pixels wide, as high as its shape makes it.
QImage WheelImage(const WheelLayout& layout, int width);

// Writes the picture to `path`: SVG with its texts as text, a PNG
// `png_width` pixels wide, or a PDF of one A4 page in landscape with its
// texts as text. The file appears whole or not at all: it is written
// beside its place under another name and renamed when complete, and an
// existing file stays as it was when writing fails. Returns the empty
// string on success, otherwise what went wrong ("No such file or
// directory").
std::string WriteWheelPicture(const WheelLayout& layout, const std::string& path,
                              WheelPictureFormat format, int png_width = kWheelDefaultPngWidth);

}  // namespace kalvest
