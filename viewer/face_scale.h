// The button faces exist at 100, 150 and 200 percent of their size; a screen shows the one
// nearest its own scale, so the system never has to stretch a face.
#pragma once

// The nearest face size for a screen of this many dots per inch (96 is 100 percent). A scale
// halfway between two takes the smaller, which keeps room between the buttons.
int NearestFacePercent(int dpi);

// The resource number of a face, given at 100 percent, at the nearest size for the screen.
unsigned ScaledFaceId(unsigned faceId, int dpi);
