#pragma once

class QAction;
class QToolBar;

// Action texts that follow the platform's conventions rather than one fixed form
// text. Call again after every retranslateUi, which puts the form's texts back.
namespace ActionTexts {

// "Quit" where the desktop says so (Linux, macOS), "Exit" on Windows.
void followQuitConvention(QAction *quit);

// Every tool-bar button's tooltip names the shortcut of its menu twin, the action of
// the same name without the "_ToolBar" or "_Toolbar" ending: "Generate Configuration
// File (Ctrl+S)".
void showShortcutsInToolTips(const QToolBar *toolBar);

} // namespace ActionTexts
