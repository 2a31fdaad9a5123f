// The mills of the drawing: checking them against the links, finding them along the links,
// and picking them by hand.
#include "TDrawing.h"

#include <algorithm>
#include <cmath>

namespace vantorel::editor {

void TDrawing::ValidateMills() {
    for (auto& m : mills_) {
        if (!m.Complete()) continue;
        const Tplot* a = PointNumbered(m.P[0]);
        const Tplot* b = PointNumbered(m.P[1]);
        const Tplot* c = PointNumbered(m.P[2]);
        if (!a || !b || !c || !Linked(a, b) || !Linked(b, c)) m = TMillSlot{};
    }
}

bool TDrawing::Collinear(const Tplot& a, const Tplot& b, const Tplot& c) {
    if (std::abs(a.X - b.X) < 2 && std::abs(b.X - c.X) < 2) return true;
    if (std::abs(a.Y - b.Y) < 2 && std::abs(b.Y - c.Y) < 2) return true;
    if (a.X == b.X) return false;
    const double slope = static_cast<double>(b.Y - a.Y) / (b.X - a.X);
    const double intercept = a.X == 0 ? b.Y - slope * b.X : a.Y - slope * a.X;
    return std::fabs(slope * c.X + intercept - c.Y) < 0.5;
}

bool TDrawing::IsKnownMill(int a, int b, int c) const {
    return std::any_of(mills_.begin(), mills_.end(), [=](const TMillSlot& m) {
        return m.Complete() && m.P[1] == b &&
               ((m.P[0] == a && m.P[2] == c) || (m.P[0] == c && m.P[2] == a));
    });
}

int TDrawing::SearchMills() {
    // Links are read as drawn: a line is a chain whose second link starts where the first
    // ends, which is what the link tool makes when the points are clicked along the line.
    std::vector<TMillSlot> found;
    for (const auto& first : links_) {
        if (!first || first->PointA == first->PointB) continue;
        for (const auto& second : links_) {
            if (found.size() >= kMillSlots) break;
            if (!second || second == first || second->PointA != first->PointB ||
                second->PointB == first->PointA)
                continue;
            if (Collinear(*first->PointA, *first->PointB, *second->PointB))
                found.push_back({{static_cast<int16_t>(first->PointA->Number),
                                  static_cast<int16_t>(first->PointB->Number),
                                  static_cast<int16_t>(second->PointB->Number)}});
        }
    }
    int added = 0;
    for (const auto& m : found) {
        // A doubled link, or links drawn both ways, offers the same line twice: it is one mill.
        if (IsKnownMill(m.P[0], m.P[1], m.P[2])) continue;
        if (!AddMill(m.P[0], m.P[1], m.P[2])) break;
        ++added;
    }
    return added;
}

bool TDrawing::PickMill(int x, int y) {
    bool hitAny = false;
    for (auto& p : points_) {
        if (!p || !p->Hit(x, y)) continue;
        hitAny = true;
        if (p->Selected)
            p->Selected = false, p->SelectionOrder = 0;
        else
            SelectPoint(*p);
    }
    if (!hitAny) {
        DeselectAll();
        return false;
    }
    std::vector<const Tplot*> chosen;
    for (const auto& p : points_)
        if (p && p->Selected) chosen.push_back(p.get());
    if (chosen.size() < 3) return false;
    bool added = false;
    if (chosen.size() == 3) {
        const int c = chosen[0]->Number, b = chosen[1]->Number, a = chosen[2]->Number;
        // The middle number is the middle point: a line numbered out of its order is not
        // linked as a chain c–b–a and gives no mill until it is renumbered.
        if (!IsKnownMill(c, b, a) && Linked(chosen[0], chosen[1]) && Linked(chosen[1], chosen[2]))
            added = AddMill(std::min(c, a), b, std::max(c, a));
    }
    DeselectAll();
    return added;
}

bool TDrawing::DeleteMill(const TMillSlot& mill) {
    bool emptied = false;
    for (auto& m : mills_)
        if (m.Complete() && m == mill) {
            m = TMillSlot{};
            emptied = true;
        }
    if (emptied) {
        Modified = true;
        DeselectAll();
    }
    return emptied;
}

void TDrawing::SelectMill(const TMillSlot& mill) {
    DeselectAll();
    LastSelectionOrder = 0;
    for (int k = 0; k < 3; ++k)
        if (Tplot* p = PointNumbered(mill.P[k])) SelectPoint(*p);
}

} // namespace vantorel::editor
