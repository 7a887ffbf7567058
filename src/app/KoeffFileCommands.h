#pragma once

// "Öffnen": asks for a coefficient file and loads it into the analysis state.
// True when the file's Delta was taken over and the level matrices computed.
bool LoadKoeffFile();
// "Sichern": asks for a file name and writes the current decomposition.
void SaveKoeffFile();
