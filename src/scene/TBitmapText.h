#pragma once
// Text over the picture in a bitmap font: every glyph is a cell of one picture (the atlas),
// drawn as a textured square at its pixel size, so a font can be anything the program
// paints — digits of light, die faces. The object's position counts in pixels from the
// viewer's top left and its x scale enlarges the text about that point.
#include "TObjects.h"

#include <QImage>
#include <QRect>

#include <osg/Texture2D>

#include <map>

namespace vantorel::scene {

class TBitmapFont {
public:
    struct Glyph {
        QRect Cell;  // in the atlas, from its top left
        int Advance; // pixels to the next glyph
    };

    TBitmapFont(std::string name, QImage atlas);
    const std::string& Name() const { return name_; }
    const QImage& Atlas() const { return atlas_; }
    osg::Texture2D* Texture() const { return texture_.get(); }

    void AddGlyph(char c, const QRect& cell, int advance);
    // None for a character the font lacks: it is skipped.
    const Glyph* Find(char c) const;
    // The height of the tallest glyph, and the width of a text at scale 1.
    int Height() const { return height_; }
    int Width(const std::string& text) const;

private:
    std::string name_;
    QImage atlas_;
    osg::ref_ptr<osg::Texture2D> texture_;
    std::map<char, Glyph> glyphs_;
    int height_ = 0;
};

class TBitmapText : public TSceneObject {
public:
    enum class Align { Left, Centre, Right };
    // The font must outlive the text (the views' fonts live as long as the program).
    void SetFont(const TBitmapFont* font);
    const TBitmapFont* Font() const { return font_; }
    void SetText(const std::string& text);
    const std::string& Text() const { return text_; }
    // Where the position stands on the text: at its left end, middle or right end, and
    // always half way up.
    void SetAlignment(Align align);

protected:
    friend class TSceneObject;
    TBitmapText(TScene& scene, TSceneObject* parent);

private:
    void Rebuild();
    const TBitmapFont* font_ = nullptr;
    std::string text_;
    Align align_ = Align::Left;
};

} // namespace vantorel::scene
