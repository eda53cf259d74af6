#pragma once
// Text on the core's canvases, drawn and measured with the window system's fonts.

// Installs the canvas text hooks; call once a QApplication exists.
void InstallCanvasTextHooks();
