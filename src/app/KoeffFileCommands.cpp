#include "app/KoeffFileCommands.h"

#include "app/Haupt.h"

// Coefficient files are not read or written yet; the caption says so.
void LoadKoeffFile() { frmHaupt->SetCaption("Keine Datei geladen..."); }

void SaveKoeffFile() { frmHaupt->SetCaption("Datei nicht gesichert!"); }
