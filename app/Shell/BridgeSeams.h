#pragma once

class MainWindow;

// The engine bridge in the shell's seams: the splash's device-list load, the
// module switch of a scan start, the scan's signals to the main window and the
// bridge's part of the quit sequence.
void connectBridgeBeforeSplash();
void connectBridgeToMainWindow(MainWindow* window);
