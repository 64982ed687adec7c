// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tells Qt how the view's own widgets appear to screen readers: windows as
// windows or dialogs, frames and tab pages as named groups, pictures as
// graphics. The strokes and shapes of a window's drawing are left out of the
// tree: each is only a piece of a figure whose measures the boxes' prompts and
// the drawing's letters already name, and a listener would hear dozens of
// nameless "line" objects. Costs nothing until a screen reader asks. Qt keeps
// one copy however often it is installed, and drops it with the application.
void installAccessibility();
