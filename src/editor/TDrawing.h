#pragma once
// The board editor's drawing: points on a 480 × 480 pixel square, the links between them,
// the mills along the links and the rule options of the variant being made. Every command
// of the editor's form is an operation here, so the editor is tested without a window; the
// form only paints this state and turns mouse presses, buttons and menu items into calls.
// LoadModel and BuildModel are the only crossing between a drawing and a `Tmodele`.
#include "engine/Tmodele.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vantorel::editor {

inline constexpr int kPointSlots = 200;
inline constexpr int kLinkSlots = 1000;
inline constexpr int kMillSlots = 1000;
inline constexpr int kDrawingSize = 480;
inline constexpr int kPixelsPerUnit = 20;
inline constexpr int kUnitOffset = 12;
// Model coordinates further out than this cannot be drawn (nor kept in pixels).
inline constexpr double kMaxModelCoordinate = 1000.0;
inline constexpr const char* kUntitled = "Sans titre";
inline constexpr const char* kDefaultName = "Mon modèle";

// Pixel ↔ board units. The grid spans −12..12 units.
int ToPixel(double coordinate);
double ToUnits(int pixel);

// One point of the drawing.
struct Tplot {
    int32_t X = 0, Y = 0;
    bool Selected = true;
    int32_t Size = 2;
    // 1-based; after Compact it is the point's slot.
    int32_t Number = 0;
    // When it was selected (0 none): the commands that chain or align take this order.
    int32_t SelectionOrder = 0;

    bool Hit(int x, int y) const;
    int Radius() const { return 5 * Size; }
};

// One link between two points of the drawing.
struct Tligne {
    Tplot* PointA = nullptr;
    Tplot* PointB = nullptr;
    bool Selected = true;

    bool Joins(const Tplot* a, const Tplot* b) const {
        return (PointA == a && PointB == b) || (PointA == b && PointB == a);
    }
    bool Hit(int x, int y) const;
};

// Three 1-based point numbers; all −1 when the slot is empty.
struct TMillSlot {
    int16_t P[3] = {-1, -1, -1};
    bool Complete() const { return P[0] >= 0 && P[1] >= 0 && P[2] >= 0; }
    bool operator==(const TMillSlot&) const = default;
};

// What the rule controls of the form hold.
struct TDrawingRules {
    std::string Name = kDefaultName;
    int32_t PiecesPerSide = 9;
    int32_t JumpRule = 1;
    int32_t CaptureRule = 1;
    int32_t DiceRule = 1;
    bool CaptureWhilePlacing = true;
    std::vector<std::string> Description;
};

enum class TTool { Selection = 0, AddPoints = 1, Link = 2, Rotation = 3 };
enum class TStorage { New = 0, File = 1, Library = 2 };
enum class TButton { Left, Right };

class TDrawing {
public:
    TDrawing();
    TDrawing(const TDrawing&) = delete;
    TDrawing& operator=(const TDrawing&) = delete;

    // Slots are 1-based as in every text; nullptr when empty.
    Tplot* Point(int slot) const;
    const Tligne* Link(int slot) const;
    const TMillSlot& Mill(int slot) const { return mills_.at(static_cast<size_t>(slot - 1)); }
    // The point carrying `number`, or nullptr.
    Tplot* PointNumbered(int number) const;
    int PointCount() const;
    int LinkCount() const;
    int MillCount() const;
    int SelectedPointCount() const;
    // The complete mill slots, in slot order.
    std::vector<TMillSlot> ValidMills() const;

    // Editing by hand. Each returns whether the drawing changed.
    bool AddPoint(int x, int y);
    bool AddLink(Tplot* a, Tplot* b);
    bool AddMill(int p1, int p2, int p3);

    // The mouse on the drawing of the first tab.
    void MouseDown(TButton button, bool ctrl, int x, int y);
    void MouseMove(bool leftHeld, int x, int y);

    // Changing tools drops a half-made link and a rotation in progress.
    void SetTool(TTool tool);

    // The commands of the first tab.
    void SelectAll();
    void DeselectAll();
    void DeleteSelected();
    // Chains the selected points in selection order; false (nothing done) with fewer than two.
    bool LinkSelected();
    void DeleteLinksOfSelected();
    void AlignSelected();
    void Centre();
    bool MirrorX();
    bool MirrorY();
    // Degrees, clockwise on the screen; false when a point would leave the drawing.
    bool Rotate(double degrees);
    void Renumber();
    struct TCentroid {
        double X = 0, Y = 0;
    };
    TCentroid Centroid();
    static double Heading(const Tplot& from, const Tplot& to);

    // Packs the point slots by number, makes every number its slot, drops broken mills.
    void Compact();
    // The counts and the highest selection order, as a redraw refreshes them.
    void Recount();

    // Mills.
    void ValidateMills();
    static bool Collinear(const Tplot& a, const Tplot& b, const Tplot& c);
    // Stores the chains of two collinear links not yet known as mills; returns how many.
    int SearchMills();
    // A click of the mill tool at (x, y); true when a mill was added.
    bool PickMill(int x, int y);
    // Empties every slot holding exactly (a, b, c); false when there was none.
    bool DeleteMill(const TMillSlot& mill);
    // Exactly the three points of `mill` become selected.
    void SelectMill(const TMillSlot& mill);

    // A drawing of a model (all its points selected) and back. LoadModel keeps the model's
    // Kind and date and leaves the name to the caller; a model it cannot draw changes
    // nothing and gives false. BuildModel compacts first.
    bool LoadModel(const Tmodele& model);
    Tmodele BuildModel();
    // Empty when LoadModel can take the model as it is; otherwise why not.
    static std::string DrawingProblem(const Tmodele& model);

    // A new board: no points, links or mills; the rules are kept.
    void Clear(int32_t kind, uint16_t day, uint16_t month, uint16_t year);

    TDrawingRules Rules;
    TTool ToolMode = TTool::Selection;
    int32_t LastSelectionOrder = 0;
    std::string FileName = kUntitled;
    int32_t Kind = 0;
    uint16_t Day = 1, Month = 1, Year = 2000;
    TStorage StorageState = TStorage::New;
    bool Modified = false;
    const Tplot* PendingLinkPoint() const { return pending_; }

private:
    Tplot* NewPoint(int x, int y);
    void RemovePoint(int index);
    void RemoveLink(int index);
    bool Contains(const Tplot* point) const;
    void SelectPoint(Tplot& point) {
        point.Selected = true, point.SelectionOrder = ++LastSelectionOrder;
    }
    std::vector<Tplot*> SelectedInOrder() const;
    bool Linked(const Tplot* a, const Tplot* b) const;
    void RemoveLinksBetween(const Tplot* a, const Tplot* b);
    // Moves every point by f(point) when all results stay inside the drawing.
    template <typename F> bool MoveAllInside(F f);
    // Rewrites the mills after the points changed numbers: `newNumber[old]`, 0 for gone.
    void RenumberMills(const std::vector<int>& newNumber);
    bool IsKnownMill(int a, int b, int c) const;

    std::array<std::unique_ptr<Tplot>, kPointSlots> points_;
    std::array<std::unique_ptr<Tligne>, kLinkSlots> links_;
    std::array<TMillSlot, kMillSlots> mills_;
    Tplot* pending_ = nullptr;
    int lastX_ = 0, lastY_ = 0;
    std::optional<std::pair<int, int>> rotationOrigin_;
};

} // namespace vantorel::editor
