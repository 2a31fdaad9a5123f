#include "CubeDice.h"

#include "TPlateau3D_6.h"
#include "Tplateau2D_1.h"

namespace vantorel {

using scene::Vec3;

namespace {

std::string FaceName(int face) {
    return "IMG" + std::to_string(face);
}

} // namespace

void TCubeDice::Build(scene::TSceneObject& parent, const std::function<QImage(int)>& picture,
                      double faceSize, std::array<scene::TSceneObject*, 4>& dice) {
    for (int face = 1; face <= 6; ++face)
        // Drawn at the faces' 60 pixels, kept at a power of two for the texture.
        materials_.AddTextureMaterial(
            FaceName(face),
            picture(face).scaled(64, 64, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    // +z, −z, +x, −x, +y, −y: the order of the face rule.
    const Vec3 normals[6] = {{0, 0, 1}, {0, 0, -1}, {1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}};
    for (size_t die = 1; die <= 3; ++die) {
        auto* cube = parent.AddChild<scene::TDummyCube>();
        cube->SetCubeSize(0.78);
        for (size_t k = 0; k < 6; ++k) {
            auto* face = cube->AddChild<scene::TPlane>();
            face->SetSize(faceSize, faceSize);
            face->SetDirection(normals[k]);
            face->SetPosition(normals[k] * (faceSize / 2));
            faces_[die][k] = face;
        }
        cube->SetVisible(false);
        dice[die] = cube;
    }
}

void TCubeDice::ShowFace(int die, int value) {
    if (die < 1 || die > 3) return;
    const std::array<int, 6> faces = TPlateau3D_6::DieFaces(value);
    for (size_t k = 0; k < 6; ++k) {
        scene::TSceneObject* face = faces_[static_cast<size_t>(die)][k];
        if (!face || face->Tag == faces[k]) continue;
        face->Tag = faces[k];
        scene::TMaterial material;
        material.SetAllColours({1, 1, 1, 1});
        material.Emission = {0.35f, 0.35f, 0.35f, 1};
        material.Library = &materials_;
        material.LibraryMaterial = FaceName(faces[k]);
        face->SetMaterial(material);
    }
}

QImage TCubeDice::Recoloured(int face, const QColor& ground, const QColor& dots) {
    // The flat board's faces are black dots on white: each pixel's lightness says how much
    // of the ground shows through the dots' soft edges.
    QImage picture = Tplateau2D_1::DieFacePicture(face).convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const double t = qGray(picture.pixel(x, y)) / 255.0;
            auto mix = [t](int a, int b) { return static_cast<int>(b + (a - b) * t + 0.5); };
            picture.setPixel(x, y,
                             qRgb(mix(ground.red(), dots.red()), mix(ground.green(), dots.green()),
                                  mix(ground.blue(), dots.blue())));
        }
    return picture;
}

} // namespace vantorel
