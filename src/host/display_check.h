// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace zorvik {

// Picks Qt's X11 platform unless the user chose one (QT_QPA_PLATFORM), so the windows can sit
// at their fixed places also on a Wayland desktop (through XWayland).
void preferX11Platform();

// Empty when the chosen platform can reach its display; otherwise one line for standard error
// naming what was tried. Checked before Qt starts, which would abort with pages of diagnostics.
std::string displayProblem();

} // namespace zorvik
