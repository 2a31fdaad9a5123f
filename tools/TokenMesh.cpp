#include "TokenMesh.h"

#include <cmath>
#include <cstring>
#include <string>

namespace vantorel::token {

namespace {

// The profile from the bottom of the axis round the rim to the top of the axis (radius,
// height), with the smoothing group of the band that starts at each point: bands that
// share a group are shaded as one curved surface, the others meet at a crisp edge.
struct TProfilePoint {
    float R, Z;
    uint32_t Group;
};
constexpr TProfilePoint kProfile[] = {
    {0.0f, -5.0f, 1},  {19.0f, -5.0f, 2}, {21.5f, -4.5f, 2}, {22.5f, -3.5f, 4},
    {22.5f, 2.5f, 8},  {22.0f, 3.8f, 8},  {20.5f, 4.7f, 8},  {18.5f, 5.0f, 16},
    {16.0f, 5.0f, 32}, {14.5f, 4.4f, 64}, {0.0f, 4.4f, 0},
};
constexpr int kSlices = 40;

class Writer {
public:
    std::vector<uint8_t> Bytes;
    void U16(uint16_t v) {
        Bytes.push_back(static_cast<uint8_t>(v));
        Bytes.push_back(static_cast<uint8_t>(v >> 8));
    }
    void U32(uint32_t v) {
        U16(static_cast<uint16_t>(v));
        U16(static_cast<uint16_t>(v >> 16));
    }
    void F32(float f) {
        uint32_t v = 0;
        std::memcpy(&v, &f, 4);
        U32(v);
    }
    void Text(const std::string& s) {
        Bytes.insert(Bytes.end(), s.begin(), s.end());
        Bytes.push_back(0);
    }
    // A chunk: its id, then a length patched when the chunk ends.
    size_t Open(uint16_t id) {
        U16(id);
        const size_t at = Bytes.size();
        U32(0);
        return at;
    }
    void Close(size_t at) {
        const auto length = static_cast<uint32_t>(Bytes.size() - at + 2);
        for (int k = 0; k < 4; ++k)
            Bytes[at + static_cast<size_t>(k)] = static_cast<uint8_t>(length >> (8 * k));
    }
};

} // namespace

std::vector<uint8_t> TokenFile3ds() {
    constexpr int kRings = static_cast<int>(std::size(kProfile));
    // One ring of vertices per profile point (the two axis points too, so that every band
    // is a strip of quads), the seam vertex repeated.
    std::vector<float> vertices;
    for (const TProfilePoint& p : kProfile)
        for (int s = 0; s <= kSlices; ++s) {
            const double a = 2 * 3.14159265358979 * s / kSlices;
            vertices.push_back(static_cast<float>(p.R * std::cos(a)));
            vertices.push_back(static_cast<float>(p.R * std::sin(a)));
            vertices.push_back(p.Z);
        }
    struct Face {
        uint16_t A, B, C;
        uint32_t Group;
    };
    std::vector<Face> faces;
    auto at = [](int ring, int slice) {
        return static_cast<uint16_t>(ring * (kSlices + 1) + slice);
    };
    for (int ring = 0; ring + 1 < kRings; ++ring)
        for (int s = 0; s < kSlices; ++s) {
            // Counter-clockwise seen from outside: the profile runs outward below, upward
            // on the side and inward on top.
            const uint16_t a = at(ring, s), b = at(ring, s + 1), c = at(ring + 1, s + 1),
                           d = at(ring + 1, s);
            const uint32_t group = kProfile[ring].Group;
            if (kProfile[ring].R > 0) faces.push_back({a, b, c, group});
            if (kProfile[ring + 1].R > 0) faces.push_back({a, c, d, group});
        }

    Writer w;
    const size_t main = w.Open(0x4D4D);
    const size_t version = w.Open(0x0002);
    w.U32(3);
    w.Close(version);
    const size_t editor = w.Open(0x3D3D);
    const size_t meshVersion = w.Open(0x3D3E);
    w.U32(3);
    w.Close(meshVersion);
    const size_t object = w.Open(0x4000);
    w.Text("jeton");
    const size_t mesh = w.Open(0x4100);
    const size_t vertexList = w.Open(0x4110);
    w.U16(static_cast<uint16_t>(vertices.size() / 3));
    for (float f : vertices)
        w.F32(f);
    w.Close(vertexList);
    const size_t faceList = w.Open(0x4120);
    w.U16(static_cast<uint16_t>(faces.size()));
    for (const Face& f : faces) {
        w.U16(f.A);
        w.U16(f.B);
        w.U16(f.C);
        w.U16(7); // every edge visible
    }
    const size_t smoothing = w.Open(0x4150);
    for (const Face& f : faces)
        w.U32(f.Group);
    w.Close(smoothing);
    w.Close(faceList);
    w.Close(mesh);
    w.Close(object);
    w.Close(editor);
    w.Close(main);
    return w.Bytes;
}

} // namespace vantorel::token
