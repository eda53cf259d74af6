#pragma once
// Text on the core's canvases, measured and drawn with Qt's fonts in any pixel format.

// Installs the text hooks of the canvas; the canvas's Font names the family and point size.
void InstallCanvasText();
