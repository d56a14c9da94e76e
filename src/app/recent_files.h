// The five most recently used collection files, entry 1 the most recent.
#pragma once

#include <array>
#include <string>

namespace qm {

inline constexpr int kRecentFiles = 5;
using RecentFiles = std::array<std::string, kRecentFiles>;

// After a collection is opened or created: the newly current path leaves the list, every
// entry moves down one place (the last one is lost) and the previously current path becomes
// entry 1, even when it is empty.
void updateRecentFiles(RecentFiles& entries, const std::string& previousPath, const std::string& openedPath);

// The caption of the menu item of entry n (1-based): "&n", three spaces and the path.
std::string recentFileCaption(int n, const std::string& path);

bool anyRecentFile(const RecentFiles& entries);

}  // namespace qm
