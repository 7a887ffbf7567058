#pragma once

// "Öffnen": asks for a coefficient file and loads it into the analysis state.
void LoadKoeffFile();
// "Sichern": asks for a file name and writes the current decomposition.
void SaveKoeffFile();
