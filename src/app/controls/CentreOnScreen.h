#pragma once

class QWidget;

// Dialog windows open centred on the visible area of their screen.
void centreOnScreen(QWidget *window);
