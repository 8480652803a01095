#pragma once

#include <QString>

namespace kelvora {

// The application title names the settings key and heads the window caption.
inline constexpr const char* kApplicationTitle = "Kelvora";
inline constexpr const char* kOrganisation = "Marrowby";

QString applicationVersion();

} // namespace kelvora
