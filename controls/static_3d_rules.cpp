#include "static_3d_rules.h"

#include "frame_styles.h"

namespace {

// The types below this one are text and icon types.
constexpr unsigned kFirstPanelType = 4;
constexpr unsigned kBlackRect = 4;
constexpr unsigned kWhiteRect = 6;
constexpr unsigned kBlackFrame = 7;
constexpr unsigned kWhiteFrame = 9;

constexpr int kTextInset = 3;

} // namespace

StaticPanelLook PanelLookOfStaticType(unsigned type) {
    switch (type) {
    case kBlackRect:
        return {false, false, kSunkenBevel, kRaisedBevel, 1};
    case kWhiteRect:
        return {false, false, kRaisedBevel, kSunkenBevel, 1};
    case kBlackFrame:
        return {false, true, kSunkenBevel, kNoBevel, 2};
    case kWhiteFrame:
        return {false, true, kRaisedBevel, kNoBevel, 2};
    default:
        return {type < kFirstPanelType, true, kNoBevel, kNoBevel, 2};
    }
}

IntRect InsetTextRect(const IntRect& client, bool plain) {
    if (plain || client.Width() < 2 * kTextInset || client.Height() < 2 * kTextInset) {
        return client;
    }
    return {client.left + kTextInset, client.top + kTextInset, client.right - kTextInset,
            client.bottom - kTextInset};
}

std::size_t TextCharsThatFit(std::size_t length, std::size_t bufferSize) {
    if (bufferSize == 0) {
        return 0;
    }
    return length < bufferSize ? length : bufferSize - 1;
}
