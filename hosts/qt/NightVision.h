// Night vision: a dark palette with red texts and frames for every window of
// the program, message boxes and tooltips included, until switched back.
// Nothing is saved.
#pragma once
#include <QPalette>

class QMenu;
class QWidget;

QPalette NightPalette();
bool NightVisionOn();
void SetNightVision(bool on);
void ToggleNightVision();
// Appends the checkable entry "Vision de nuit" (Ctrl+N) to a window's menu.
void AddNightVisionEntry(QMenu& menu);
