#pragma once

#include <functional>
#include <string>

#include "editors/platform.h"

// The questions a window that holds a file asks before that file is replaced or dropped.
namespace zav {

enum class SaveOutcome { written, cancelled, failed };

// Before a load replaces the file a window holds: when `ask`, asks "Do you wish to save this
// file?". Yes saves through `save`: the load goes on once the file was written or the save
// dialog cancelled, and stops when the save failed (the user has been told why), so unsaved
// work is never replaced after a failed save. No goes on; Cancel stops. True when the load
// goes on.
bool settle_before_load(Platform& platform, const std::string& title, bool ask,
                        const std::function<SaveOutcome()>& save);

// Before a window drops the file it holds: asks the same question. Yes saves and goes on only
// when the file was written; No goes on; Cancel stops. True when the window may go on.
bool settle_before_dropping(Platform& platform, const std::string& title,
                            const std::function<SaveOutcome()>& save);

}  // namespace zav
