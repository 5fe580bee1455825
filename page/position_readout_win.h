#pragma once
// The position readout (command 3009): the content of the page's
// "datalatlon" element into positionText.
#include <windows.h>

// Reads the page's position into positionText. Does nothing while there is
// no webBrowser; a missing document ends the readout with positionText
// unchanged, an item that is no element is passed over.
void ReadPositionText();
