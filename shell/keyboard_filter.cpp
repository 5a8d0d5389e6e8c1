#include "shell/keyboard_filter.h"

#include <cstring>

KeyRecord KeyEventCopy{};

namespace {
constexpr std::uint32_t kApps = 93, kRightWin = 92, kLeftWin = 91, kAlt = 18, kShift = 16;

// Nothing else is chained after this filter: passing on means "deliver".
std::int32_t pass_on(std::int32_t, std::int32_t, const KeyRecord*) { return 0; }
}  // namespace

std::int32_t KeyboardFilterProc(std::int32_t code, std::int32_t message, const KeyRecord* record) {
    if (code != 0) return pass_on(code, message, record);
    if (message != keymsg::kKeyDown && message != keymsg::kSysKeyDown && message != keymsg::kKeyUp &&
        message != keymsg::kSysKeyUp)
        return pass_on(code, message, record);
    if (record == nullptr) return 0;  // nothing to decide on: not passed on
    std::memcpy(&KeyEventCopy, record, sizeof KeyEventCopy);
    const bool alt_down = (KeyEventCopy.flags & keymsg::kAltDownFlag) != 0;
    const std::uint32_t vk = KeyEventCopy.vk_code;
    if (alt_down || vk == kApps || vk == kRightWin || vk == kLeftWin || vk == kAlt || vk == kShift) return -1;
    return pass_on(code, message, record);
}
