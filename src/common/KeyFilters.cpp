#include "common/KeyFilters.h"

namespace korv {

namespace {
bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}
}  // namespace

KeyDecision filterZeroCorrectionKey(ZeroKeyState& state, QChar key, QChar separator)
{
    if (!state.separatorTyped && (key == u',' || key == u'.')) {
        state.separatorTyped = true;
        return { true, separator, false };
    }
    if (key == u'-') {
        state = {};
        return { true, key, true };
    }
    if (key == Backspace) {
        if (state.decimalsTyped > 0)
            --state.decimalsTyped;
        else if (state.separatorTyped)
            state.separatorTyped = false;
        return { true, key, false };
    }
    if (!isDigit(key) || state.decimalsTyped == 2)
        return {};
    if (state.separatorTyped)
        ++state.decimalsTyped;
    return { true, key, false };
}

KeyDecision filterLimitKey(QChar key, bool minusAllowed)
{
    if (key == u'-' && minusAllowed)
        return { true, key, true };
    if (key == Backspace || isDigit(key))
        return { true, key, false };
    return {};
}

}  // namespace korv
