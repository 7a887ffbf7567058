#pragma once

class TfrmHaupt;

// "Öffnen": asks for a coefficient file and loads it into the program's
// analysis. True when the file's Delta was taken over and the level matrices
// computed.
bool LoadKoeffFile(TfrmHaupt& haupt);
// "Sichern": asks for a file name and writes the current decomposition.
void SaveKoeffFile(TfrmHaupt& haupt);
