#include "TDrawing.h"

#include "engine/TText.h"

#include <algorithm>
#include <cmath>

namespace vantorel::editor {

int ToPixel(double coordinate) {
    return static_cast<int>(std::nearbyint((coordinate + kUnitOffset) * kPixelsPerUnit));
}

double ToUnits(int pixel) {
    return static_cast<double>(pixel) / kPixelsPerUnit - kUnitOffset;
}

bool Tplot::Hit(int x, int y) const {
    return std::abs(x - X) <= Radius() && std::abs(y - Y) <= Radius();
}

bool Tligne::Hit(int x, int y) const {
    int left = std::min(PointA->X, PointB->X), right = std::max(PointA->X, PointB->X);
    int top = std::min(PointA->Y, PointB->Y), bottom = std::max(PointA->Y, PointB->Y);
    // A flat or upright link would be impossible to hit inside a box one pixel wide.
    if (right - left <= 1) left -= 2, right += 2;
    if (bottom - top <= 1) top -= 2, bottom += 2;
    if (x < left || x > right || y < top || y > bottom) return false;
    if (PointA->X == PointB->X) return true;
    const double slope = static_cast<double>(PointB->Y - PointA->Y) / (PointB->X - PointA->X);
    const double intercept = PointA->Y - slope * PointA->X;
    return std::abs(std::nearbyint(x * slope + intercept) - y) < 3;
}

TDrawing::TDrawing() = default;

Tplot* TDrawing::Point(int slot) const {
    if (slot < 1 || slot > kPointSlots) return nullptr;
    return points_[static_cast<size_t>(slot - 1)].get();
}

const Tligne* TDrawing::Link(int slot) const {
    if (slot < 1 || slot > kLinkSlots) return nullptr;
    return links_[static_cast<size_t>(slot - 1)].get();
}

Tplot* TDrawing::PointNumbered(int number) const {
    for (const auto& p : points_)
        if (p && p->Number == number) return p.get();
    return nullptr;
}

int TDrawing::PointCount() const {
    return static_cast<int>(
        std::count_if(points_.begin(), points_.end(), [](auto& p) { return p != nullptr; }));
}

int TDrawing::LinkCount() const {
    return static_cast<int>(
        std::count_if(links_.begin(), links_.end(), [](auto& l) { return l != nullptr; }));
}

int TDrawing::MillCount() const {
    return static_cast<int>(
        std::count_if(mills_.begin(), mills_.end(), [](auto& m) { return m.Complete(); }));
}

int TDrawing::SelectedPointCount() const {
    return static_cast<int>(
        std::count_if(points_.begin(), points_.end(), [](auto& p) { return p && p->Selected; }));
}

std::vector<TMillSlot> TDrawing::ValidMills() const {
    std::vector<TMillSlot> list;
    for (const auto& m : mills_)
        if (m.Complete()) list.push_back(m);
    return list;
}

bool TDrawing::Contains(const Tplot* point) const {
    return point && std::any_of(points_.begin(), points_.end(),
                                [point](auto& p) { return p.get() == point; });
}

Tplot* TDrawing::NewPoint(int x, int y) {
    for (size_t i = 0; i < points_.size(); ++i) {
        if (points_[i]) continue;
        points_[i] = std::make_unique<Tplot>();
        Tplot& p = *points_[i];
        p.X = x, p.Y = y;
        p.Number = static_cast<int32_t>(i + 1);
        return &p;
    }
    return nullptr;
}

bool TDrawing::AddPoint(int x, int y) {
    Tplot* p = NewPoint(x, y);
    if (!p) return false;
    p->SelectionOrder = 1;
    LastSelectionOrder = 1;
    Modified = true;
    Compact();
    return true;
}

bool TDrawing::AddLink(Tplot* a, Tplot* b) {
    for (auto& slot : links_) {
        if (slot) continue;
        slot = std::make_unique<Tligne>(Tligne{a, b, true});
        Modified = true;
        return true;
    }
    return false;
}

bool TDrawing::AddMill(int p1, int p2, int p3) {
    for (auto& slot : mills_) {
        if (slot.Complete()) continue;
        slot = TMillSlot{
            {static_cast<int16_t>(p1), static_cast<int16_t>(p2), static_cast<int16_t>(p3)}};
        Modified = true;
        return true;
    }
    return false;
}

void TDrawing::RemovePoint(int index) {
    const Tplot* gone = points_[static_cast<size_t>(index)].get();
    for (auto& l : links_)
        if (l && (l->PointA == gone || l->PointB == gone)) l.reset();
    if (pending_ == gone) pending_ = nullptr;
    points_[static_cast<size_t>(index)].reset();
    Modified = true;
}

void TDrawing::RemoveLink(int index) {
    links_[static_cast<size_t>(index)].reset();
    Modified = true;
}

bool TDrawing::Linked(const Tplot* a, const Tplot* b) const {
    return std::any_of(links_.begin(), links_.end(),
                       [a, b](auto& l) { return l && l->Joins(a, b); });
}

void TDrawing::RemoveLinksBetween(const Tplot* a, const Tplot* b) {
    for (size_t i = 0; i < links_.size(); ++i)
        if (links_[i] && links_[i]->Joins(a, b)) RemoveLink(static_cast<int>(i));
}

void TDrawing::SetTool(TTool tool) {
    ToolMode = tool;
    pending_ = nullptr;
    rotationOrigin_.reset();
}

void TDrawing::SelectAll() {
    for (auto& p : points_)
        if (p && !p->Selected) SelectPoint(*p);
    for (auto& l : links_)
        if (l) l->Selected = true;
}

void TDrawing::DeselectAll() {
    for (auto& p : points_)
        if (p) p->Selected = false, p->SelectionOrder = 0;
    for (auto& l : links_)
        if (l) l->Selected = false;
}

std::vector<Tplot*> TDrawing::SelectedInOrder() const {
    std::vector<Tplot*> list;
    for (const auto& p : points_)
        if (p && p->Selected) list.push_back(p.get());
    std::stable_sort(list.begin(), list.end(), [](const Tplot* a, const Tplot* b) {
        return a->SelectionOrder < b->SelectionOrder;
    });
    return list;
}

void TDrawing::MouseDown(TButton button, bool ctrl, int x, int y) {
    lastX_ = x, lastY_ = y;
    if (button == TButton::Right || ToolMode == TTool::AddPoints) {
        DeselectAll();
        for (const auto& p : points_)
            if (p && p->Hit(x, y)) return;
        AddPoint(x, y);
        return;
    }
    switch (ToolMode) {
    case TTool::Selection: {
        // A press on what is already selected starts a drag and keeps the selection.
        for (const auto& p : points_)
            if (p && p->Selected && p->Hit(x, y)) return;
        for (const auto& l : links_)
            if (l && l->Selected && l->Hit(x, y)) return;
        if (!ctrl) {
            DeselectAll();
            LastSelectionOrder = 0;
        }
        for (int slot = kPointSlots; slot >= 1; --slot) {
            Tplot* p = Point(slot);
            if (p && p->Hit(x, y)) {
                SelectPoint(*p);
                break;
            }
        }
        for (auto& l : links_)
            if (l && l->Hit(x, y)) l->Selected = true;
        break;
    }
    case TTool::Link: {
        Tplot* hit = nullptr;
        for (const auto& p : points_)
            if (p && p->Hit(x, y)) {
                hit = p.get();
                break;
            }
        if (!hit) return;
        SelectPoint(*hit);
        if (pending_ && Contains(pending_)) {
            if (pending_ != hit) {
                RemoveLinksBetween(pending_, hit);
                AddLink(pending_, hit);
            }
            pending_ = nullptr;
            DeselectAll();
        } else {
            pending_ = hit;
        }
        break;
    }
    case TTool::Rotation:
        rotationOrigin_ = std::make_pair(x, y);
        break;
    case TTool::AddPoints:
        break;
    }
}

void TDrawing::MouseMove(bool leftHeld, int x, int y) {
    const int dx = x - lastX_, dy = y - lastY_;
    lastX_ = x, lastY_ = y;
    if (ToolMode == TTool::Rotation) {
        if (!leftHeld) {
            rotationOrigin_.reset();
            return;
        }
        if (!rotationOrigin_ || (dx == 0 && dy == 0)) return;
        const double angle = std::hypot(dx, dy) / 5.0;
        Rotate(dx < 0 ? -angle : angle);
        return;
    }
    if (!leftHeld || (dx == 0 && dy == 0)) return;
    for (auto& p : points_)
        if (p && p->Selected) {
            p->X += dx, p->Y += dy;
            Modified = true;
        }
}

void TDrawing::DeleteSelected() {
    for (size_t i = 0; i < points_.size(); ++i)
        if (points_[i] && points_[i]->Selected) RemovePoint(static_cast<int>(i));
    for (size_t i = 0; i < links_.size(); ++i)
        if (links_[i] && links_[i]->Selected) RemoveLink(static_cast<int>(i));
    Compact();
}

bool TDrawing::LinkSelected() {
    const std::vector<Tplot*> chain = SelectedInOrder();
    if (chain.size() < 2) return false;
    for (size_t i = 0; i < chain.size(); ++i) {
        chain[i]->Selected = false;
        chain[i]->SelectionOrder = 0;
        if (i == 0) continue;
        RemoveLinksBetween(chain[i - 1], chain[i]);
        AddLink(chain[i - 1], chain[i]);
    }
    return true;
}

void TDrawing::DeleteLinksOfSelected() {
    for (size_t i = 0; i < links_.size(); ++i) {
        const Tligne* l = links_[i].get();
        if (l && (l->PointA->Selected || l->PointB->Selected)) RemoveLink(static_cast<int>(i));
    }
    Compact();
}

void TDrawing::RenumberMills(const std::vector<int>& newNumber) {
    const auto map = [&newNumber](int old) {
        return old >= 0 && old < static_cast<int>(newNumber.size())
                   ? newNumber[static_cast<size_t>(old)]
                   : 0;
    };
    for (auto& m : mills_) {
        if (!m.Complete()) continue;
        TMillSlot renamed;
        bool whole = true;
        for (int k = 0; k < 3; ++k) {
            const int to = map(m.P[k]);
            whole = whole && to > 0;
            renamed.P[k] = static_cast<int16_t>(to);
        }
        m = whole ? renamed : TMillSlot{};
    }
}

void TDrawing::Compact() {
    // Mills naming a point that is gone are dropped before the renumbering, so that a
    // stale number can never come to name a surviving point.
    ValidateMills();
    std::vector<std::unique_ptr<Tplot>> packed;
    for (auto& p : points_)
        if (p) packed.push_back(std::move(p));
    std::stable_sort(packed.begin(), packed.end(),
                     [](auto& a, auto& b) { return a->Number < b->Number; });
    int highest = 0;
    for (auto& p : packed)
        highest = std::max(highest, p->Number);
    std::vector<int> newNumber(static_cast<size_t>(highest) + 1, 0);
    for (size_t i = 0; i < packed.size(); ++i) {
        if (packed[i]->Number > 0)
            newNumber[static_cast<size_t>(packed[i]->Number)] = static_cast<int>(i + 1);
        packed[i]->Number = static_cast<int32_t>(i + 1);
        points_[i] = std::move(packed[i]);
    }
    RenumberMills(newNumber);
    ValidateMills();
}

void TDrawing::Recount() {
    LastSelectionOrder = 0;
    for (const auto& p : points_)
        if (p && p->Selected) LastSelectionOrder = std::max(LastSelectionOrder, p->SelectionOrder);
}

void TDrawing::Clear(int32_t kind, uint16_t day, uint16_t month, uint16_t year) {
    for (auto& p : points_)
        p.reset();
    for (auto& l : links_)
        l.reset();
    mills_.fill(TMillSlot{});
    pending_ = nullptr;
    rotationOrigin_.reset();
    LastSelectionOrder = 0;
    Kind = kind, Day = day, Month = month, Year = year;
    Modified = false;
}

std::string TDrawing::DrawingProblem(const Tmodele& model) {
    if (model.PointCount() > kPointSlots)
        return VANTOREL_TEXT("Catalogue", "Le plateau a plus de 200 champs.");
    if (model.LinkCount() > kLinkSlots)
        return VANTOREL_TEXT("Catalogue", "Le plateau a plus de 1000 liaisons.");
    if (model.MillCount() > kMillSlots)
        return VANTOREL_TEXT("Catalogue", "Le plateau a plus de 1000 moulins.");
    for (const auto& p : model.Points)
        if (!(std::fabs(p.X) <= kMaxModelCoordinate && std::fabs(p.Y) <= kMaxModelCoordinate))
            return VANTOREL_TEXT("Catalogue", "Un champ est hors du plateau.");
    return {};
}

bool TDrawing::LoadModel(const Tmodele& model) {
    if (!DrawingProblem(model).empty()) return false;
    Clear(model.Kind, model.Day, model.Month, model.Year);
    for (size_t i = 0; i < model.Points.size(); ++i) {
        auto p = std::make_unique<Tplot>();
        p->X = ToPixel(model.Points[i].X);
        p->Y = ToPixel(model.Points[i].Y);
        p->Number = p->SelectionOrder = static_cast<int32_t>(i + 1);
        points_[i] = std::move(p);
    }
    const auto point = [this, &model](int index) {
        return index >= 0 && index < model.PointCount() ? points_[static_cast<size_t>(index)].get()
                                                        : nullptr;
    };
    for (size_t i = 0; i < model.Links.size(); ++i) {
        Tplot* a = point(model.Links[i].A);
        Tplot* b = point(model.Links[i].B);
        if (a && b) links_[i] = std::make_unique<Tligne>(Tligne{a, b, true});
    }
    for (size_t i = 0; i < model.Mills.size(); ++i) {
        const auto& m = model.Mills[i];
        mills_[i] = TMillSlot{{static_cast<int16_t>(m.P1 + 1), static_cast<int16_t>(m.P2 + 1),
                               static_cast<int16_t>(m.P3 + 1)}};
    }
    Modified = false;
    Compact();
    Rules.PiecesPerSide = model.PiecesPerSide[0];
    Rules.JumpRule = model.JumpRule;
    Rules.CaptureRule = model.CaptureRule;
    Rules.DiceRule = model.DiceRule;
    Rules.Description = model.Description;
    Rules.CaptureWhilePlacing = model.CaptureWhilePlacing == 1;
    Recount();
    return true;
}

namespace {
std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}
} // namespace

Tmodele TDrawing::BuildModel() {
    Compact();
    Tmodele model(-1);
    model.Kind = Kind;
    model.Day = Day, model.Month = Month, model.Year = Year;
    model.Points.resize(static_cast<size_t>(PointCount()));
    for (const auto& p : points_)
        if (p) model.Points[static_cast<size_t>(p->Number - 1)] = {ToUnits(p->X), ToUnits(p->Y)};
    for (const auto& m : mills_)
        if (m.Complete())
            model.Mills.push_back({static_cast<int16_t>(m.P[0] - 1),
                                   static_cast<int16_t>(m.P[1] - 1),
                                   static_cast<int16_t>(m.P[2] - 1)});
    for (const auto& l : links_)
        if (l)
            model.Links.push_back({static_cast<int16_t>(l->PointA->Number - 1),
                                   static_cast<int16_t>(l->PointB->Number - 1)});
    model.PiecesPerSide[0] = model.PiecesPerSide[1] = Rules.PiecesPerSide;
    model.JumpRule = Rules.JumpRule;
    model.CaptureRule = Rules.CaptureRule;
    model.DiceRule = Rules.DiceRule;
    model.Description = Rules.Description;
    model.CaptureWhilePlacing = Rules.CaptureWhilePlacing ? 1 : 0;
    model.Name = Trimmed(Rules.Name);
    return model;
}

} // namespace vantorel::editor
