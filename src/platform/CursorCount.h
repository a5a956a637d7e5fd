#pragma once

// The cursor's show count, shared by every window of the process: the cursor is hidden while
// the count is negative. ShowCursor(true) raises the count, ShowCursor(false) lowers it, and
// each returns the new count.
int ShowCursor(bool show);
// The current count, for diagnostics and tests.
int CursorShowCount();
