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

// Shows a stage when there is somewhere to show it.
inline void ReportProgress(ProgressText* progress, std::u16string_view text) {
    if (progress != nullptr) {
        progress->SetProgressText(text);
    }
}

}  // namespace sorna
