#pragma once
// The board drawn once as a 250 × 250 picture (grey-edged black links, red point circles on
// white) with the pixel of every point, for the boards that are one textured surface rather
// than a box with markers on it. The picture holds the points transposed and mirrored, so
// that the surface, laid in its board object's frame, puts each point under its marker.
#include "engine/Tmodele.h"
#include "scene/TMaterialLibrary.h"
#include "scene/TObjects.h"

#include <QImage>
#include <QPoint>

#include <vector>

namespace vantorel {

struct TBoardPicture {
    static constexpr int kSide = 250;
    static constexpr int kFit = 220; // the points fit into this many pixels
    QImage Picture;
    std::vector<QPoint> Points; // one per point of the variant, in picture pixels

    // Draws the board of `model`.
    static TBoardPicture Draw(const Tmodele& model);
    // A pixel of the picture in board units, for a board of `pixelsPerUnit`.
    static double ToBoard(int pixel, double pixelsPerUnit) {
        return (pixel - kSide / 2) / pixelsPerUnit;
    }
    bool HasPoint(int point) const { return point >= 0 && point < static_cast<int>(Points.size()); }
};

// A surface under `parent` that the picture covers once, `kSide / pixelsPerUnit` units
// across, lying in the parent's xy plane with a slight relief where the links are drawn, seen
// from both sides. The picture becomes material `name` of `library`, which must outlive the
// surface.
scene::THeightField* AddPictureBoard(scene::TSceneObject& parent, const QImage& picture,
                                     double pixelsPerUnit, scene::TMaterialLibrary& library,
                                     const std::string& name);

} // namespace vantorel
