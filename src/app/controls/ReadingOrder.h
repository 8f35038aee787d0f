#pragma once

class QWidget;

// Tab and Shift+Tab in `window` go through its shown controls as a reader meets them: rows
// from the top, each from left to right, wherever its layout has put them now (a folded
// player, another settings page), a framed group whole before what stands beside it. A control that
// uses Tab itself (a table, a web page) is one stop like the others.
void followReadingOrder(QWidget *window);
