#pragma once

// Help > About: the version, the licence and where the editor keeps its state.
void showAbout();
