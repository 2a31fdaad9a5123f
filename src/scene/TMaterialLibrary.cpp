#include "TMaterialLibrary.h"

#include <osg/Image>

#include <cstring>

namespace vantorel::scene {

namespace {

osg::ref_ptr<osg::Texture2D> TextureOf(const QImage& picture) {
    if (picture.isNull()) return nullptr;
    // OpenGL rows start at the bottom.
    const QImage rgba = picture.convertToFormat(QImage::Format_RGBA8888).mirrored();
    osg::ref_ptr<osg::Image> image = new osg::Image;
    image->allocateImage(rgba.width(), rgba.height(), 1, GL_RGBA, GL_UNSIGNED_BYTE);
    for (int row = 0; row < rgba.height(); ++row)
        std::memcpy(image->data(0, row), rgba.constScanLine(row),
                    static_cast<size_t>(rgba.width()) * 4);
    osg::ref_ptr<osg::Texture2D> texture = new osg::Texture2D(image);
    texture->setFilter(osg::Texture::MIN_FILTER, osg::Texture::LINEAR);
    texture->setFilter(osg::Texture::MAG_FILTER, osg::Texture::LINEAR);
    // Repeated: a large plane may tile its picture.
    texture->setWrap(osg::Texture::WRAP_S, osg::Texture::REPEAT);
    texture->setWrap(osg::Texture::WRAP_T, osg::Texture::REPEAT);
    return texture;
}

} // namespace

int TMaterialLibrary::Add(const std::string& name, const TMaterial& colours,
                          const QImage& picture) {
    auto material = std::make_unique<TLibMaterial>();
    material->Name = name;
    material->Colours = colours;
    material->Picture = picture;
    material->Texture = TextureOf(picture);
    const int index = IndexOf(name);
    if (index >= 0) {
        materials_[static_cast<size_t>(index)] = std::move(material);
        return index;
    }
    materials_.push_back(std::move(material));
    return Count() - 1;
}

int TMaterialLibrary::AddTextureMaterial(const std::string& name, const QImage& picture) {
    TMaterial colours;
    colours.SetAllColours({1, 1, 1, 1});
    return Add(name, colours, picture);
}

const TLibMaterial* TMaterialLibrary::Find(const std::string& name) const {
    return At(IndexOf(name));
}

const TLibMaterial* TMaterialLibrary::At(int index) const {
    return index >= 0 && index < Count() ? materials_[static_cast<size_t>(index)].get() : nullptr;
}

int TMaterialLibrary::IndexOf(const std::string& name) const {
    for (int k = 0; k < Count(); ++k)
        if (materials_[static_cast<size_t>(k)]->Name == name) return k;
    return -1;
}

void TMaterialLibrary::Clear() {
    materials_.clear();
}

} // namespace vantorel::scene
