// The enumerations of the explorer button. Ordinal values are part of the
// stored form data and must not change.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace velmora::widgets {

enum TAlignment
{
    taLeftJustify = 0,
    taRightJustify = 1,
    taCenter = 2
};
enum TBevelStyle
{
    bsLowered = 0,
    bsRaised = 1
};

// Where the image stands relative to the caption.
enum TExplorerButtonLayout
{
    blBitmapTop = 0,
    blBitmapBottom = 1,
    blBitmapLeft = 2,
    blBitmapRight = 3
};

enum TExplorerButtonOption
{
    boMonoDisplay = 0, // grey image (or NoFocusBitmap) while the pointer is not over the button
    boIconOnly = 1,    // no caption drawn; the caption serves as hint
    boPopupMark = 2,   // drop-down triangle when a DropDownMenu is set
    boShowBevel = 3,   // one-pixel bevel when hot, pressed or down
};

// A set of options: one byte, bit n standing for ordinal n.
class TExplorerButtonOptions
{
public:
    constexpr TExplorerButtonOptions() = default;
    constexpr TExplorerButtonOptions(std::initializer_list<TExplorerButtonOption> options)
    {
        for (TExplorerButtonOption o : options) {
            bits_ |= Bit(o);
        }
    }
    constexpr bool Contains(TExplorerButtonOption o) const { return bits_ & Bit(o); }
    constexpr TExplorerButtonOptions With(TExplorerButtonOption o) const
    {
        return FromBits(bits_ | Bit(o));
    }
    constexpr TExplorerButtonOptions Without(TExplorerButtonOption o) const
    {
        return FromBits(bits_ & ~Bit(o));
    }
    constexpr std::uint8_t Bits() const { return bits_; }
    constexpr bool operator==(const TExplorerButtonOptions&) const = default;

private:
    static constexpr std::uint8_t Bit(TExplorerButtonOption o) { return std::uint8_t(1u << o); }
    static constexpr TExplorerButtonOptions FromBits(unsigned bits)
    {
        TExplorerButtonOptions set;
        set.bits_ = static_cast<std::uint8_t>(bits);
        return set;
    }
    std::uint8_t bits_ = 0;
};

// Which threshold set turns a picture into its grey image.
enum TExplorerButtonShadingType
{
    stLight = 0,
    stMedium = 1,
    stDark = 2
};

} // namespace velmora::widgets
