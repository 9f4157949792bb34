// The maker's addresses and the line about the maker in the about box: kept
// here, in one place, for the menu and the about box alike.
#pragma once

namespace velmora::ui {

inline constexpr const char* kMakerSite = "https://velmora.example.org/";
inline constexpr const char* kMakerMail = "mailto:velmora@example.org";
inline constexpr const char* kMakerLine = "Brennick Software - free for private and office use.";

} // namespace velmora::ui
