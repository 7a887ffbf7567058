#include "plot/Fktglatt.h"

TfrmGlaette* frmGlaette = nullptr;

// Its own repaint uses +-1.5 s; a full redraw after a computation +-1.7 s.
void TfrmGlaette::FormPaint() { DrawOwnFrameWhenReady(1.5); }
void TfrmGlaette::FormResize() { DrawOwnFrameWhenReady(1.5); }
