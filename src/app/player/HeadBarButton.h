#pragma once

class ImageButton;
struct PlayerWindowUi;

// Adds an image button to the head bar, left of the window's own buttons, in the order of
// the calls.
ImageButton *addHeadBarButton(PlayerWindowUi &ui, const char *name, const char *image,
                              const char *tip);
