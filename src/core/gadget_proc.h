#pragma once
// State the shared gadget procedure keeps for scripts to poll.

// Gadget of the latest left-button release; 0 once read.
extern int g_lastClicked;
// Gadget whose window last saw the mouse move over it; 0 after the mouse left.
extern int g_underMouse;

// BRING GADGET TO FRONT: top of its siblings' z-order, then every gadget repaints.
void BringGadgetToFront(int n);
