#pragma once
// horalo_ui is a static library: its resources must be registered by the program.
void InitialiserRessources();
