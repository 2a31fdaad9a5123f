#include "BoardPicture.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vantorel {

TBoardPicture TBoardPicture::Draw(const Tmodele& model) {
    TBoardPicture board;
    board.Picture = QImage(kSide, kSide, QImage::Format_RGB32);
    board.Picture.fill(Qt::white);
    const auto& points = model.Points;
    if (points.empty()) return board;

    // Centred and scaled as the views fit their boards, into the picture's middle.
    double minX = points[0].X, maxX = points[0].X, minY = points[0].Y, maxY = points[0].Y;
    for (const auto& p : points) {
        minX = std::min(minX, p.X);
        maxX = std::max(maxX, p.X);
        minY = std::min(minY, p.Y);
        maxY = std::max(maxY, p.Y);
    }
    const double centreX = std::nearbyint((minX + maxX) / 2);
    const double centreY = std::nearbyint((minY + maxY) / 2);
    const double extent = std::max(maxX - minX, maxY - minY);
    const double scale = extent == 0 ? 1.0 : kFit / extent;
    for (const auto& p : points) {
        const int px = static_cast<int>(std::nearbyint((p.X - centreX) * scale)) + kSide / 2;
        const int py = static_cast<int>(std::nearbyint((p.Y - centreY) * scale)) + kSide / 2;
        board.Points.emplace_back(kSide - py, kSide - px);
    }

    QPainter painter(&board.Picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const int count = static_cast<int>(board.Points.size());
    for (const QPen& pen : {QPen(QColor(128, 128, 128), 5), QPen(Qt::black, 2)}) {
        painter.setPen(pen);
        for (const auto& link : model.Links)
            if (link.A >= 0 && link.B >= 0 && link.A < count && link.B < count)
                painter.drawLine(board.Points[static_cast<size_t>(link.A)],
                                 board.Points[static_cast<size_t>(link.B)]);
    }
    painter.setPen(QPen(Qt::red, 1));
    painter.setBrush(Qt::red);
    for (const QPoint& p : board.Points)
        painter.drawEllipse(QPointF(p), 10, 10);
    return board;
}

scene::THeightField* AddPictureBoard(scene::TSceneObject& parent, const QImage& picture,
                                     double pixelsPerUnit, scene::TMaterialLibrary& library,
                                     const std::string& name) {
    const double side = TBoardPicture::kSide / pixelsPerUnit;
    // The library turns pictures upside down for the texture's rows; turned once more, the
    // picture's row 0 lies along the surface's low-y edge, as the point table counts.
    // Lit like any surface (ambient and diffuse), not glowing as the library's pictures do.
    scene::TMaterial lit;
    lit.Ambient = lit.Diffuse = {1, 1, 1, 1};
    lit.Emission = lit.Specular = {0, 0, 0, 1};
    library.Add(name, lit,
                picture.mirrored().scaled(256, 256, Qt::IgnoreAspectRatio,
                                          Qt::SmoothTransformation)); // a power of two
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    auto* surface = parent.AddChild<scene::THeightField>();
    // A cell every five pixels: the links stand out a little without a heavy mesh.
    constexpr int kCells = 51;
    surface->BuildTextured(side, side, kCells, kCells, [&](double x, double y) {
        const int px =
            std::clamp(static_cast<int>(std::lround(x * pixelsPerUnit)) + TBoardPicture::kSide / 2,
                       0, grey.width() - 1);
        const int py =
            std::clamp(static_cast<int>(std::lround(y * pixelsPerUnit)) + TBoardPicture::kSide / 2,
                       0, grey.height() - 1);
        return 0.04 * (1.0 - qGray(grey.pixel(px, py)) / 255.0);
    });
    scene::TMaterial material;
    // The picture shows its own colours: lit white, ambient and diffuse both.
    material.SetAllColours({1, 1, 1, 1});
    material.Emission = {0, 0, 0, 1};
    material.Specular = {0, 0, 0, 1};
    material.Library = &library;
    material.LibraryMaterial = name;
    surface->SetMaterial(material);
    return surface;
}

} // namespace vantorel
