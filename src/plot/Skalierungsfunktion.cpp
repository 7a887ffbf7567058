#include "plot/Skalierungsfunktion.h"

TfrmSkalfunktion* frmSkalfunktion = nullptr;

// Either handler redraws all three basis windows, not only this one.
void TfrmSkalfunktion::FormPaint() { RedrawBasisWhenReady(); }
void TfrmSkalfunktion::FormResize() { RedrawBasisWhenReady(); }
