#pragma once
// Named materials, addressed by name or by index: colours and an optional texture.
#include "TSceneObject.h"

#include <QImage>

#include <osg/Texture2D>

namespace vantorel::scene {

struct TLibMaterial {
    std::string Name;
    TMaterial Colours;                    // its Library and LibraryMaterial fields are not used
    QImage Picture;                       // null: no texture
    osg::ref_ptr<osg::Texture2D> Texture; // made from Picture
};

class TMaterialLibrary {
public:
    // Adds, or replaces the material of that name. Returns its index.
    int Add(const std::string& name, const TMaterial& colours, const QImage& picture = {});
    int AddTextureMaterial(const std::string& name, const QImage& picture);
    const TLibMaterial* Find(const std::string& name) const;
    const TLibMaterial* At(int index) const;
    int IndexOf(const std::string& name) const;
    int Count() const { return static_cast<int>(materials_.size()); }
    void Clear();

private:
    std::vector<std::unique_ptr<TLibMaterial>> materials_;
};

} // namespace vantorel::scene
