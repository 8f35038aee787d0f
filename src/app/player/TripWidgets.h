#pragma once

#include "app/trips/TripPanel.h"

struct PlayerWindowUi;

// Places the trip panel's widgets in the player window: the tree over the flat list, its
// switch beside the list and map buttons, the clock line under the map and the export button
// in the head bar.
TripPanel::Widgets addTripWidgets(QWidget *window, PlayerWindowUi &ui);
