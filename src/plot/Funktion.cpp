#include "plot/Funktion.h"

TfrmFunktion* frmFunktion = nullptr;

// Its own repaint uses +-1.5 s; a full redraw after a computation +-1.7 s.
void TfrmFunktion::FormPaint() { DrawOwnFrameWhenReady(1.5); }
void TfrmFunktion::FormResize() { DrawOwnFrameWhenReady(1.5); }
