// SPDX-License-Identifier: MIT
#pragma once

namespace zorvik {

// Gives the system back the pages of memory the program has freed but the allocator still
// keeps. A "Game Over" box builds and tears down thousands of small objects (its layout, its
// button, the button's icon and the image readers that loaded it); once it has gone, their
// pages would otherwise stay with the game for as long as it runs, some 600 KiB.
void returnFreedMemory();

} // namespace zorvik
