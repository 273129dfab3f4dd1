// Log-off, shut-down and restarts as the main window lives through them.
#pragma once

// While the document is modified, Windows is told why ending the session
// would lose work, and no longer once it is saved or gone; called whenever
// the queue runs empty.
void KeepShutdownReason();

// On WM_ENDSESSION for a session that ends: the process goes without a
// WM_CLOSE, so what closing would have remembered is stored now.
void RememberAtSessionEnd();
