#pragma once

// Name, version and maker of the program, recorded before the application object
// exists (the per-user data folder is derived from them).
void setApplicationIdentity();

class QString;

// The per-user data folder of the program, shared by the window and quillary-cli
// (whose own application name differs): ~/.local/share/Halvex/Quillary on Linux.
QString programDataFolder();

// Scales the windows to the screen's pixel density, as Qt 6 always does; Qt 5 does it
// only when told so before the application object exists. Call it there, so that
// both builds show the same window.
void enableHighDpiScaling();
