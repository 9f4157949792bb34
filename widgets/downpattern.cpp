#include "widgets/downpattern.h"

#include <memory>

namespace velmora::widgets {

namespace {
std::unique_ptr<TBitmap> sharedPattern;
}

void CreateDownPattern()
{
    sharedPattern = std::make_unique<TBitmap>(8, 8);
    sharedPattern->Fill(clBtnFace);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            if (x % 2 == y % 2) {
                sharedPattern->SetPixel(x, y, clBtnHighlight);
            }
        }
    }
}

const TBitmap& DownPattern()
{
    if (!sharedPattern) {
        CreateDownPattern();
    }
    return *sharedPattern;
}

bool DownPatternExists()
{
    return sharedPattern != nullptr;
}

void FreeDownPattern()
{
    sharedPattern.reset();
}

} // namespace velmora::widgets
