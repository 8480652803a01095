#pragma once

#include <QString>

namespace kelvora {

// The application title names the settings key and heads the window caption.
inline constexpr const char* kApplicationTitle = "Kelvora";
inline constexpr const char* kOrganisation = "Marrowby";
// Names the desktop entry, the icon and the AppStream metadata of an installation.
inline constexpr const char* kDesktopId = "com.marrowby.Kelvora";

QString applicationVersion();

} // namespace kelvora
