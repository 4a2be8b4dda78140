// Tavernrush: collect ten coins in seventy seconds.
#include "app/Game.h"

int main() { return tavernrush::runGame(); }
