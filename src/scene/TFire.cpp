// Flames drawn by the program itself: a few dozen soft, camera-facing squares that rise,
// redden and fade. Each fire keeps its flames in its own frame and moves them once per
// frame drawn, however many proxies draw it.
#include "TObjects.h"

#include "TScene.h"

#include <osg/BlendFunc>
#include <osg/Depth>
#include <osg/Drawable>
#include <osg/GL>
#include <osg/Geode>
#include <osg/Image>
#include <osg/Texture2D>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vantorel::scene {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr size_t kMostFlames = 4000;

// A soft round flame, white in the middle and fading to nothing at the rim: the flames'
// colours tint it. Made once and kept for the program's life, like the font.
osg::Texture2D* FlameTexture() {
    static osg::Texture2D* const texture = [] {
        constexpr int kSide = 64;
        osg::ref_ptr<osg::Image> image = new osg::Image;
        image->allocateImage(kSide, kSide, 1, GL_RGBA, GL_UNSIGNED_BYTE);
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x) {
                const double dx = (x + 0.5) / kSide * 2 - 1, dy = (y + 0.5) / kSide * 2 - 1;
                const double d = std::min(1.0, std::sqrt(dx * dx + dy * dy));
                unsigned char* p = image->data(static_cast<unsigned>(x), static_cast<unsigned>(y));
                p[0] = p[1] = p[2] = 255;
                p[3] = static_cast<unsigned char>(std::lround(255 * (1 - d) * (1 - d)));
            }
        auto* t = new osg::Texture2D(image);
        t->setWrap(osg::Texture::WRAP_S, osg::Texture::CLAMP_TO_EDGE);
        t->setWrap(osg::Texture::WRAP_T, osg::Texture::CLAMP_TO_EDGE);
        t->ref();
        return t;
    }();
    return texture;
}

// Cosmetic spread only: the game's own seeded generator is kept for what must repeat.
double Uniform(double low, double high) {
    return low + (high - low) * (std::rand() / (RAND_MAX + 1.0));
}

// Any two unit vectors across `d`.
void Across(const Vec3& direction, Vec3& u, Vec3& v) {
    Vec3 d = direction;
    if (d.normalize() < 1e-9) d = {0, 1, 0};
    u = d ^ (std::fabs(d.x()) < 0.9 ? Vec3(1, 0, 0) : Vec3(0, 1, 0));
    u.normalize();
    v = d ^ u;
}

} // namespace

// The flames of one fire, moved and drawn by hand.
class TFlames : public osg::Drawable {
public:
    struct Flame {
        osg::Vec3 Position, Velocity;
        float Age = 0, Life = 1;
    };

    TFlames() { Init(); }
    TFlames(const TFlames& other, const osg::CopyOp& op = osg::CopyOp::SHALLOW_COPY)
        : osg::Drawable(other, op), Params(other.Params), Steady(other.Steady),
          Flames(other.Flames) {
        Init();
    }
    META_Object(vantorel, TFlames);

    TFireParams Params;
    bool Steady = false;
    mutable std::vector<Flame> Flames;

    void Throw(int count) const {
        const double speed = std::max(Params.Burst, 0.0);
        for (int k = 0; k < count && Flames.size() < kMostFlames; ++k) {
            // Even over the sphere: a random height and a random angle round it.
            const double z = Uniform(-1, 1), a = Uniform(0, 2 * kPi), r = std::sqrt(1 - z * z);
            const osg::Vec3 out(static_cast<float>(r * std::cos(a)), static_cast<float>(z),
                                static_cast<float>(r * std::sin(a)));
            Flame flame;
            flame.Position = out * static_cast<float>(Params.Radius);
            flame.Velocity = out * static_cast<float>(speed * Uniform(0.5, 1.0));
            flame.Life = static_cast<float>(std::max(Params.Life, 0.05) * Uniform(0.6, 1.0));
            Flames.push_back(flame);
        }
    }

    osg::BoundingBox computeBoundingBox() const override {
        // Where flames can be, whatever their number: no culling surprises.
        const double reach =
            Params.Radius + Params.ParticleSize +
            std::max(Params.Life, 0.05) * (Params.Direction.length() + Params.Burst + 0.2);
        const auto r = static_cast<float>(reach);
        return osg::BoundingBox(-r, -r, -r, r, r, r);
    }

    void drawImplementation(osg::RenderInfo& info) const override {
        osg::State& state = *info.getState();
        if (const osg::FrameStamp* stamp = state.getFrameStamp()) Advance(*stamp);
        if (Flames.empty()) return;
        // The screen's right and up in this frame: the squares face the eye.
        const osg::Matrix& view = state.getModelViewMatrix();
        osg::Vec3 right(view(0, 0), view(1, 0), view(2, 0)), up(view(0, 1), view(1, 1), view(2, 1));
        right.normalize();
        up.normalize();
        const auto size = static_cast<float>(std::max(Params.ParticleSize, 1e-3) / 2);
        const auto shrink = static_cast<float>(std::clamp(Params.Evaporation * 5, 0.0, 0.9));
        glBegin(GL_QUADS);
        for (const Flame& flame : Flames) {
            const float t = std::clamp(flame.Age / flame.Life, 0.0f, 1.0f);
            glColor4f(1.0f, 0.85f - 0.7f * t, 0.35f - 0.35f * t, 1.0f - t);
            const float s = size * (1 - shrink * t);
            const osg::Vec3 a = right * s, b = up * s, p = flame.Position;
            glTexCoord2f(0, 0);
            glVertex3fv((p - a - b).ptr());
            glTexCoord2f(1, 0);
            glVertex3fv((p + a - b).ptr());
            glTexCoord2f(1, 1);
            glVertex3fv((p + a + b).ptr());
            glTexCoord2f(0, 1);
            glVertex3fv((p - a + b).ptr());
        }
        glEnd();
    }

private:
    void Init() {
        setUseDisplayList(false);
        setUseVertexBufferObjects(false);
        setDataVariance(osg::Object::DYNAMIC);
    }

    // Once per frame, however many times the fire is drawn in it.
    void Advance(const osg::FrameStamp& stamp) const {
        if (stamp.getFrameNumber() == lastFrame_) return;
        lastFrame_ = stamp.getFrameNumber();
        const double now = stamp.getSimulationTime();
        const double dt = lastTime_ < 0 ? 0 : std::clamp(now - lastTime_, 0.0, 0.25);
        lastTime_ = now;
        for (Flame& flame : Flames) {
            flame.Age += static_cast<float>(dt);
            flame.Position += flame.Velocity * static_cast<float>(dt);
        }
        std::erase_if(Flames, [](const Flame& f) { return f.Age >= f.Life; });
        if (!Steady) return;
        debt_ += dt * std::max(Params.Density, 0.0) / std::max(Params.Interval, 1e-3);
        Vec3 u, v;
        Across(Params.Direction, u, v);
        const double spread = 0.15 * Params.Direction.length() + 0.01;
        while (debt_ >= 1 && Flames.size() < kMostFlames) {
            debt_ -= 1;
            const double r = Params.Radius * std::sqrt(Uniform(0, 1)), a = Uniform(0, 2 * kPi);
            Flame flame;
            flame.Position = osg::Vec3(u * (r * std::cos(a)) + v * (r * std::sin(a)));
            flame.Velocity = osg::Vec3(Params.Direction + Vec3(Uniform(-spread, spread),
                                                               Uniform(-spread, spread),
                                                               Uniform(-spread, spread)));
            flame.Life = static_cast<float>(std::max(Params.Life, 0.05) * Uniform(0.7, 1.0));
            Flames.push_back(flame);
        }
        debt_ = std::min(debt_, 1.0);
    }

    mutable unsigned lastFrame_ = ~0u;
    mutable double lastTime_ = -1;
    mutable double debt_ = 0;
};

TFire::TFire(TScene& scene, TSceneObject* parent)
    : TSceneObject(scene, parent, TObjectKind::Fire) {}

void TFire::Ignite(double scale, double intensity, const std::string&) {
    // The older call: a flame of that size rising along the object's z axis, as the flat
    // boards have their height.
    TFireParams params;
    params.Radius = 0.15 * scale;
    params.ParticleSize = 0.6 * scale;
    params.Density = std::max(intensity, 0.1);
    params.Direction = {0, 0, 1.2 * scale};
    params.Interval = 0.05;
    params.Life = 0.8;
    Ignite(params);
}

void TFire::Ignite(const TFireParams& params) {
    params_ = params;
    BuildSystem(true);
}

void TFire::BuildSystem(bool steady) {
    osg::ref_ptr<TFlames> flames = new TFlames;
    flames->Params = params_;
    flames->Steady = steady;
    osg::StateSet* state = flames->getOrCreateStateSet();
    state->setTextureAttributeAndModes(0, FlameTexture(), osg::StateAttribute::ON);
    // Glowing flames: added light, no shading, and no holes cut in what lies behind.
    state->setAttributeAndModes(new osg::BlendFunc(GL_SRC_ALPHA, GL_ONE));
    state->setMode(GL_BLEND, osg::StateAttribute::ON | osg::StateAttribute::PROTECTED);
    state->setMode(GL_LIGHTING, osg::StateAttribute::OFF | osg::StateAttribute::PROTECTED);
    state->setMode(GL_CULL_FACE, osg::StateAttribute::OFF | osg::StateAttribute::PROTECTED);
    state->setAttributeAndModes(new osg::Depth(osg::Depth::LESS, 0, 1, false));
    state->setRenderingHint(osg::StateSet::TRANSPARENT_BIN);
    osg::ref_ptr<osg::Geode> geode = new osg::Geode;
    geode->addDrawable(flames);
    SetGeometry(geode);
    system_ = flames;
    burning_ = steady;
}

void TFire::Burst(int flames) {
    if (!system_) BuildSystem(false);
    auto* drawn = static_cast<TFlames*>(system_.get());
    drawn->Params = params_;
    drawn->Throw(std::clamp(flames, 0, 2000));
    drawn->dirtyBound();
    // The flames age only while they are drawn: the clock, not their count, says when the
    // scene may rest again.
    burstUntil_ =
        std::chrono::steady_clock::now() +
        std::chrono::milliseconds(static_cast<int64_t>(1000 * std::max(params_.Life, 0.05)));
    Changed();
}

bool TFire::Burning() const {
    return burning_ || std::chrono::steady_clock::now() < burstUntil_;
}

int TFire::LiveFlames() const {
    return system_ ? static_cast<int>(static_cast<const TFlames*>(system_.get())->Flames.size())
                   : 0;
}

void TFire::Extinguish() {
    SetGeometry(nullptr);
    system_ = nullptr;
    burning_ = false;
    burstUntil_ = {};
}

} // namespace vantorel::scene
