#pragma once

class TfrmHaupt;

// "Als CSV speichern…": asks for a file and a style (German: ";" and a
// decimal comma; international: "," and a point) and writes the table with
// the safe writer. The main window's caption says how it went, the tools
// window's "Meldung" names the file.

// Every coefficient as "Koeffizienten" shows it, kept or not.
void SaveCoefficientsCsv(TfrmHaupt& haupt);
// The Delta comparison's rows, completed first where it is still under way.
void SaveDeltaTableCsv(TfrmHaupt& haupt);
