#pragma once
// Where a printed game puts things, in the printer's own pixels: one row per history entry,
// 500 pixels high, between margins of a ninth of the width and a fourteenth of the height.
namespace vantorel {

struct TPrintRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool operator==(const TPrintRect&) const = default;
};

class TPrintLayout {
public:
    static constexpr int kRowHeight = 500;
    static constexpr int kSnapshotHeight = 480;
    static constexpr int kDiagramOffset = 100;
    static constexpr int kDiagramSize = 420;
    static constexpr int kTextOffset = 600;

    TPrintLayout(int pageWidth, int pageHeight);

    int PageWidth = 0, PageHeight = 0;
    int MarginX = 0, MarginY = 0;
    // Less than 1: the page cannot hold a row and nothing is printed.
    int RowsPerPage = 0;

    // Row `row`, counted from 1 on each page.
    TPrintRect Row(int row) const;
    // The board's picture at the right end of a row, as high as the row allows and as wide
    // as the picture's shape asks.
    TPrintRect Snapshot(const TPrintRect& row, int pictureWidth, int pictureHeight) const;
    // What stands in for a picture that could not be taken.
    TPrintRect SnapshotStandIn(const TPrintRect& row) const;
    // A picture is drawn only clear of the row's diagram and text.
    bool SnapshotFits(const TPrintRect& snapshot) const {
        return 2 * kRowHeight + MarginX < snapshot.Left;
    }
};

} // namespace vantorel
