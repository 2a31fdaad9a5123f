#include "TBitmapText.h"

#include "SceneMasks.h"

#include <QGuiApplication>

#include <osg/BlendFunc>
#include <osg/Geode>
#include <osg/Geometry>
#include <osg/Image>
#include <osgUtil/CullVisitor>

#include <cstring>

namespace vantorel::scene {

namespace {

osg::ref_ptr<osg::Texture2D> AtlasTexture(const QImage& atlas) {
    if (atlas.isNull()) return nullptr;
    // OpenGL rows start at the bottom.
    const QImage rgba = atlas.convertToFormat(QImage::Format_RGBA8888).mirrored();
    osg::ref_ptr<osg::Image> image = new osg::Image;
    image->allocateImage(rgba.width(), rgba.height(), 1, GL_RGBA, GL_UNSIGNED_BYTE);
    for (int row = 0; row < rgba.height(); ++row)
        std::memcpy(image->data(0, row), rgba.constScanLine(row),
                    static_cast<size_t>(rgba.width()) * 4);
    osg::ref_ptr<osg::Texture2D> texture = new osg::Texture2D(image);
    // Glyphs grow from nothing: smooth when scaled, and no bleeding from the next cell.
    texture->setFilter(osg::Texture::MIN_FILTER, osg::Texture::LINEAR);
    texture->setFilter(osg::Texture::MAG_FILTER, osg::Texture::LINEAR);
    texture->setWrap(osg::Texture::WRAP_S, osg::Texture::CLAMP_TO_EDGE);
    texture->setWrap(osg::Texture::WRAP_T, osg::Texture::CLAMP_TO_EDGE);
    texture->setResizeNonPowerOfTwoHint(false);
    return texture;
}

// Keeps the text at its pixel place and size: the projection follows the viewport, and
// the owner's position and scale are read on every cull.
class BitmapPlacement : public osg::NodeCallback {
public:
    BitmapPlacement(const TSceneObject& owner, osg::Camera* hud, osg::MatrixTransform* placed)
        : owner_(owner), hud_(hud), placed_(placed) {}
    void operator()(osg::Node* node, osg::NodeVisitor* visitor) override {
        osgUtil::CullVisitor* cull = visitor->asCullVisitor();
        if (const osg::Viewport* viewport = cull ? cull->getViewport() : nullptr) {
            // Positions are in logical pixels, as the views get them from the mouse.
            const double ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
            const double w = viewport->width() / ratio, h = viewport->height() / ratio;
            hud_->setProjectionMatrixAsOrtho2D(0, w, 0, h);
            const Vec3& p = owner_.Position();
            const double s = owner_.Scale().x();
            placed_->setMatrix(osg::Matrixd::scale(s, s, 1) *
                               osg::Matrixd::translate(p.x(), h - p.y(), 0));
        }
        traverse(node, visitor);
    }

private:
    const TSceneObject& owner_;
    osg::Camera* hud_;
    osg::MatrixTransform* placed_;
};

} // namespace

TBitmapFont::TBitmapFont(std::string name, QImage atlas)
    : name_(std::move(name)), atlas_(std::move(atlas)), texture_(AtlasTexture(atlas_)) {}

void TBitmapFont::AddGlyph(char c, const QRect& cell, int advance) {
    glyphs_[c] = {cell, advance};
    height_ = std::max(height_, cell.height());
}

const TBitmapFont::Glyph* TBitmapFont::Find(char c) const {
    const auto it = glyphs_.find(c);
    return it == glyphs_.end() ? nullptr : &it->second;
}

int TBitmapFont::Width(const std::string& text) const {
    int width = 0;
    for (char c : text)
        if (const Glyph* glyph = Find(c)) width += glyph->Advance;
    return width;
}

TBitmapText::TBitmapText(TScene& scene, TSceneObject* parent)
    : TSceneObject(scene, parent, TObjectKind::BitmapText) {
    Rebuild();
}

void TBitmapText::SetFont(const TBitmapFont* font) {
    if (font == font_) return;
    font_ = font;
    Rebuild();
}

void TBitmapText::SetText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    Rebuild();
}

void TBitmapText::SetAlignment(Align align) {
    if (align == align_) return;
    align_ = align;
    Rebuild();
}

void TBitmapText::Rebuild() {
    if (!font_ || font_->Atlas().isNull()) {
        SetGeometry(nullptr);
        return;
    }
    const double atlasW = font_->Atlas().width(), atlasH = font_->Atlas().height();
    const int width = font_->Width(text_);
    double x = align_ == Align::Left ? 0 : align_ == Align::Centre ? -width / 2.0 : -width;
    osg::ref_ptr<osg::Vec3Array> vertices = new osg::Vec3Array;
    osg::ref_ptr<osg::Vec2Array> coords = new osg::Vec2Array;
    for (char c : text_) {
        const TBitmapFont::Glyph* glyph = font_->Find(c);
        if (!glyph) continue;
        const QRect& cell = glyph->Cell;
        // Pixels up from the anchor, which stands half way up the text.
        const auto left = static_cast<float>(x), right = static_cast<float>(x + cell.width());
        const auto top = static_cast<float>(font_->Height() / 2.0);
        const auto bottom = static_cast<float>(top - cell.height());
        const auto u0 = static_cast<float>(cell.left() / atlasW);
        const auto u1 = static_cast<float>((cell.left() + cell.width()) / atlasW);
        const auto v1 = static_cast<float>(1 - cell.top() / atlasH);
        const auto v0 = static_cast<float>(1 - (cell.top() + cell.height()) / atlasH);
        const osg::Vec3 corners[4] = {
            {left, bottom, 0}, {right, bottom, 0}, {right, top, 0}, {left, top, 0}};
        const osg::Vec2 uv[4] = {{u0, v0}, {u1, v0}, {u1, v1}, {u0, v1}};
        for (int v : {0, 1, 2, 0, 2, 3}) {
            vertices->push_back(corners[v]);
            coords->push_back(uv[v]);
        }
        x += glyph->Advance;
    }
    osg::ref_ptr<osg::Geometry> glyphs = new osg::Geometry;
    glyphs->setVertexArray(vertices);
    glyphs->setTexCoordArray(0, coords);
    osg::ref_ptr<osg::Vec4Array> white = new osg::Vec4Array;
    white->push_back({1, 1, 1, 1});
    glyphs->setColorArray(white, osg::Array::BIND_OVERALL);
    glyphs->addPrimitiveSet(new osg::DrawArrays(GL_TRIANGLES, 0, vertices->size()));
    glyphs->setDataVariance(osg::Object::DYNAMIC);
    // On the drawable, below the object's material state, which knows nothing of fonts.
    osg::StateSet* glyphState = glyphs->getOrCreateStateSet();
    glyphState->setTextureAttributeAndModes(0, font_->Texture(), osg::StateAttribute::ON);
    glyphState->setAttributeAndModes(new osg::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA));
    glyphState->setMode(GL_BLEND, osg::StateAttribute::ON);
    osg::ref_ptr<osg::Geode> geode = new osg::Geode;
    geode->addDrawable(glyphs);

    osg::ref_ptr<osg::MatrixTransform> placed = new osg::MatrixTransform;
    placed->addChild(geode);
    // Its own camera in pixels, drawn after the scene: over everything.
    osg::ref_ptr<osg::Camera> hud = new osg::Camera;
    hud->setReferenceFrame(osg::Transform::ABSOLUTE_RF);
    hud->setRenderOrder(osg::Camera::POST_RENDER);
    hud->setClearMask(0);
    hud->setAllowEventFocus(false);
    hud->setViewMatrix(osg::Matrixd::identity());
    osg::StateSet* state = hud->getOrCreateStateSet();
    const auto off = osg::StateAttribute::OFF | osg::StateAttribute::PROTECTED;
    state->setMode(GL_LIGHTING, off);
    state->setMode(GL_DEPTH_TEST, off);
    state->setMode(GL_CULL_FACE, off);
    state->setMode(GL_FOG, off);
    hud->addChild(placed);
    osg::ref_ptr<osg::Group> root = new osg::Group;
    root->setNodeMask(kDrawnMask);
    root->setCullCallback(new BitmapPlacement(*this, hud, placed));
    root->addChild(hud);
    SetGeometry(root);
}

} // namespace vantorel::scene
