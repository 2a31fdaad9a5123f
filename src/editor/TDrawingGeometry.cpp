// The geometric commands of the drawing: align, centre, mirror, rotate and renumber.
#include "TDrawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vantorel::editor {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

int Round(double v) {
    return static_cast<int>(std::nearbyint(v));
}

bool Inside(double v) {
    return v > 0 && v < kDrawingSize;
}

} // namespace

template <typename F> bool TDrawing::MoveAllInside(F f) {
    std::vector<std::pair<int, int>> moved;
    for (const auto& p : points_) {
        if (!p) continue;
        const auto [x, y] = f(*p);
        if (!Inside(x) || !Inside(y)) return false;
        moved.emplace_back(x, y);
    }
    size_t k = 0;
    bool changed = false;
    for (auto& p : points_) {
        if (!p) continue;
        changed = changed || p->X != moved[k].first || p->Y != moved[k].second;
        p->X = moved[k].first, p->Y = moved[k].second;
        ++k;
    }
    if (changed) Modified = true;
    return true;
}

void TDrawing::AlignSelected() {
    if (LastSelectionOrder <= 0) return;
    const std::vector<Tplot*> order = SelectedInOrder();
    const auto release = [](Tplot* p) { p->Selected = false, p->SelectionOrder = 0; };
    if (order.size() == 2) {
        Tplot* first = order[0];
        Tplot* second = order[1];
        if (std::abs(second->Y - first->Y) <= std::abs(second->X - first->X))
            second->Y = first->Y;
        else
            second->X = first->X;
        release(first), release(second);
        Modified = true;
        return;
    }
    if (order.size() < 2) return;
    const Tplot* a = order[0];
    const Tplot* b = order[1];
    release(order[0]), release(order[1]);
    const Tplot* left = a->X <= b->X ? a : b;
    const Tplot* right = a->X <= b->X ? b : a;
    for (size_t i = 2; i < order.size(); ++i) {
        Tplot* p = order[i];
        release(p);
        if (a->X == b->X) {
            p->X = a->X;
        } else {
            const double slope = static_cast<double>(right->Y - left->Y) / (right->X - left->X);
            if (slope == 0) {
                p->Y = a->Y;
            } else {
                const Tplot* base = left->X == 0 ? right : left;
                const double intercept = base->Y - slope * base->X;
                const int upright = Round(slope * p->X + intercept);
                const int across = Round((p->Y - intercept) / slope);
                if (std::abs(across - p->X) <= std::abs(upright - p->Y))
                    p->X = across;
                else
                    p->Y = upright;
            }
        }
    }
    Modified = true;
}

TDrawing::TCentroid TDrawing::Centroid() {
    Compact();
    TCentroid c;
    const int n = PointCount();
    if (n == 0) return c;
    for (const auto& p : points_)
        if (p) c.X += p->X, c.Y += p->Y;
    c.X /= n, c.Y /= n;
    return c;
}

void TDrawing::Centre() {
    const TCentroid c = Centroid();
    if (c.X == kDrawingSize / 2 && c.Y == kDrawingSize / 2) return;
    const int dx = Round(kDrawingSize / 2 - c.X), dy = Round(kDrawingSize / 2 - c.Y);
    MoveAllInside([dx, dy](const Tplot& p) { return std::make_pair(p.X + dx, p.Y + dy); });
}

bool TDrawing::MirrorX() {
    const TCentroid c = Centroid();
    return MoveAllInside([c](const Tplot& p) { return std::make_pair(Round(2 * c.X - p.X), p.Y); });
}

bool TDrawing::MirrorY() {
    const TCentroid c = Centroid();
    return MoveAllInside([c](const Tplot& p) { return std::make_pair(p.X, Round(2 * c.Y - p.Y)); });
}

bool TDrawing::Rotate(double degrees) {
    const TCentroid c = Centroid();
    return MoveAllInside([c, degrees](const Tplot& p) {
        double r = std::hypot(p.X - c.X, p.Y - c.Y);
        if (p.X < c.X) r = -r;
        const double phi = r == 0 ? 0 : std::asin(std::clamp((p.Y - c.Y) / r, -1.0, 1.0));
        const double a = degrees * kDegree + phi;
        return std::make_pair(Round(c.X + r * std::cos(a)), Round(c.Y + r * std::sin(a)));
    });
}

double TDrawing::Heading(const Tplot& from, const Tplot& to) {
    const double d = std::hypot(to.X - from.X, to.Y - from.Y);
    double a = d == 0 ? 0 : std::asin(std::clamp((from.Y - to.Y) / d, -1.0, 1.0)) / kDegree;
    if (to.X < from.X)
        a = to.Y <= from.Y ? 360 - a : std::fabs(a);
    else
        a += 180;
    a += 1;
    if (a > 360) a -= 360;
    return a;
}

void TDrawing::Renumber() {
    if (!points_[0]) return;
    Compact();
    for (auto& p : points_)
        if (p) p->Selected = true;
    std::vector<Tplot*> order;
    const auto take = [&order](Tplot* p) {
        p->Selected = false, p->SelectionOrder = 0;
        order.push_back(p);
    };
    for (;;) {
        // A new stretch starts at the lowest-left point still waiting.
        Tplot* start = nullptr;
        for (const auto& p : points_)
            if (p && p->Selected &&
                (!start || p->X < start->X || (p->X == start->X && p->Y > start->Y)))
                start = p.get();
        if (!start) break;
        take(start);
        for (Tplot* current = start;;) {
            Tplot* best = nullptr;
            double bestHeading = 0;
            for (const auto& l : links_) {
                if (!l) continue;
                Tplot* other = l->PointA == current   ? l->PointB
                               : l->PointB == current ? l->PointA
                                                      : nullptr;
                if (!other || !other->Selected) continue;
                const double h = Heading(*current, *other);
                if (!best || h > bestHeading) best = other, bestHeading = h;
            }
            if (!best) break;
            take(best);
            current = best;
        }
    }
    std::vector<int> newNumber(kPointSlots + 1, 0);
    std::vector<std::unique_ptr<Tplot>> owned(order.size());
    for (size_t i = 0; i < order.size(); ++i) {
        for (auto& p : points_)
            if (p.get() == order[i]) owned[i] = std::move(p);
        newNumber[static_cast<size_t>(order[i]->Number)] = static_cast<int>(i + 1);
        order[i]->Number = static_cast<int32_t>(i + 1);
    }
    for (size_t i = 0; i < owned.size(); ++i)
        points_[i] = std::move(owned[i]);
    RenumberMills(newNumber);
    Modified = true;
}

} // namespace vantorel::editor
