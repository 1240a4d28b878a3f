#include "wheel/wheel_file.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cmath>

#include "wheel/wheel_painter.h"

namespace kalvest {
namespace {

QString Title(const WheelLayout& layout) { return QString::fromStdString(layout.title); }

bool PaintSvg(const WheelLayout& layout, QIODevice& device) {
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    svg.setSize(kWheelCanvas.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), kWheelCanvas));
    svg.setTitle(Title(layout));
    svg.setDescription(QString::fromStdString(layout.subtitle));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    PaintWheel(painter, layout, QRectF(QPointF(0, 0), kWheelCanvas));
    return painter.end();
}

bool PaintPdf(const WheelLayout& layout, QIODevice& device) {
    QPdfWriter pdf(&device);
    pdf.setTitle(Title(layout));
    pdf.setCreator(QStringLiteral("Kalvest"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                  QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    pdf.setResolution(300);
    QPainter painter;
    if (!painter.begin(&pdf)) return false;
    const QRect page = pdf.pageLayout().paintRectPixels(pdf.resolution());
    PaintWheel(painter, layout, QRectF(QPointF(0, 0), page.size()));
    return painter.end();
}

}  // namespace

QImage WheelImage(const WheelLayout& layout, int width) {
    const int height =
        static_cast<int>(std::lround(width * kWheelCanvas.height() / kWheelCanvas.width()));
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(WheelBackground());
    QPainter painter(&image);
    PaintWheel(painter, layout, QRectF(image.rect()));
    painter.end();
    return image;
}

std::string WriteWheelPicture(const WheelLayout& layout, const std::string& path,
                              WheelPictureFormat format, int png_width) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return file.errorString().toStdString();
    bool painted = false;
    switch (format) {
    case WheelPictureFormat::kSvg:
        painted = PaintSvg(layout, file);
        break;
    case WheelPictureFormat::kPng:
        painted = WheelImage(layout, png_width).save(&file, "PNG");
        break;
    case WheelPictureFormat::kPdf:
        painted = PaintPdf(layout, file);
        break;
    }
    if (!painted || file.error() != QFileDevice::NoError) {
        const std::string reason = file.error() != QFileDevice::NoError
                                       ? file.errorString().toStdString()
                                       : std::string("the picture could not be drawn");
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) return file.errorString().toStdString();
    return "";
}

}  // namespace kalvest
