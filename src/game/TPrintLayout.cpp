#include "TPrintLayout.h"

#include <cmath>

namespace vantorel {

TPrintLayout::TPrintLayout(int pageWidth, int pageHeight)
    : PageWidth(pageWidth), PageHeight(pageHeight), MarginX(pageWidth / 9),
      MarginY(pageHeight / 14), RowsPerPage((pageHeight - 2 * MarginY) / kRowHeight) {}

TPrintRect TPrintLayout::Row(int row) const {
    return {MarginX + 10, (row - 1) * kRowHeight + MarginY + 10, PageWidth - MarginX - 10,
            row * kRowHeight + MarginY - 10};
}

TPrintRect TPrintLayout::Snapshot(const TPrintRect& row, int pictureWidth,
                                  int pictureHeight) const {
    const int width = pictureHeight > 0
                          ? static_cast<int>(std::nearbyint(double(pictureWidth) / pictureHeight *
                                                            kSnapshotHeight))
                          : 0;
    const int right = PageWidth - MarginX - 10;
    return {right - width, row.Top, right, row.Top + kSnapshotHeight};
}

TPrintRect TPrintLayout::SnapshotStandIn(const TPrintRect& row) const {
    const int right = PageWidth - MarginX - 10;
    return {right - kRowHeight, row.Top, right, row.Top + kSnapshotHeight};
}

} // namespace vantorel
