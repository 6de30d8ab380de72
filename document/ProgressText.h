#pragma once

#include <string_view>

namespace sorna {

// Where long work (loading, layout) reports its stage. The shell's progress window implements it;
// each call shows the text at once, dispatching pending window messages.
class ProgressText {
public:
    virtual ~ProgressText() = default;
    virtual void SetProgressText(std::u16string_view text) = 0;
};

}  // namespace sorna
