#pragma once

// Name, version and maker of the program, recorded before the application object
// exists (the per-user data folder is derived from them).
void setApplicationIdentity();
