#pragma once

class CardIndexPanel;
class PlayerWindow;

// Puts the card's index into the player window: the progress line under the list, "Recordings
// here" under the map, "All drives" beside the position; each folder shown is indexed, and a
// pass chosen plays from its moment.
CardIndexPanel *installCardIndex(PlayerWindow *window);
