// The help project that TIPPOMAT.chm is compiled from: which page holds the topic of each help
// context number. The Linux help window reads the same project, so both platforms show the same
// page for a number.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace integration {

// Context number -> page, from the project's [MAP] ("#define IDH_900 900") and [ALIAS]
// ("IDH_900=einstellungen.html") sections. A number whose name has no page is left out.
std::map<int, std::string> HelpTopicPages(std::string_view project);

} // namespace integration
